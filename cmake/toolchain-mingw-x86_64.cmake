# Cross build for 64-bit Windows, used to run the gauge modules under 64-bit wine.
set(MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
