# What the editor's Qt programs need beside them on Windows when Qt was cross-built here, where
# Qt's windeployqt does not run: the DLLs of Qt and of the compiler's runtime, and the platform
# and style plugins, each in the folder named for its kind. Include after find_package(Qt6).
#   VANTREL_RUNTIME_DLLS      Qt6Core, Qt6Gui and Qt6Widgets, and the compiler's runtime DLLs
#   VANTREL_PLATFORM_PLUGINS  the windows, offscreen and minimal platforms (for platforms/)
#   VANTREL_STYLE_PLUGINS     the Windows Vista style (for styles/)
# The files of Qt targets are generator expressions, for file copies and install(FILES).

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(unwinder libgcc_s_seh-1.dll)
else()
    set(unwinder libgcc_s_dw2-1.dll)
endif()
set(VANTREL_RUNTIME_DLLS
    $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
foreach(dll libstdc++-6.dll ${unwinder} libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
    endif()
    file(REAL_PATH "${found}" found)
    list(APPEND VANTREL_RUNTIME_DLLS ${found})
endforeach()

set(VANTREL_PLATFORM_PLUGINS
    $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
    $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>
    $<TARGET_FILE:Qt6::QMinimalIntegrationPlugin>)
set(VANTREL_STYLE_PLUGINS $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
