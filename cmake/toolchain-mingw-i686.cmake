# Cross build for 32-bit Windows: the gauge modules built here are the DLLs the simulator loads.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
