# Cross build for 64-bit Windows: the gauge modules and tests of the 32-bit build, run under 64-bit
# wine beside the 32-bit ones.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
