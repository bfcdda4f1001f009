# add_gauge_module(name sources...): a gauge module as the panel host loads it. It is named
# without a "lib" prefix, exports only ImportTable and Linkage, and lands in the one folder of
# built modules. Windows builds carry the compiler's runtime inside, so the DLL needs only
# system DLLs.
set(GAUGE_MODULE_DIR ${CMAKE_BINARY_DIR}/gauge_modules)

function(add_gauge_module name)
    add_library(${name} SHARED ${ARGN})
    set_target_properties(${name} PROPERTIES
        PREFIX ""
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON
        LIBRARY_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIR}
        RUNTIME_OUTPUT_DIRECTORY ${GAUGE_MODULE_DIR})
    target_link_libraries(${name} PRIVATE gauge_host)
    if(MINGW)
        target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
    endif()
endfunction()
