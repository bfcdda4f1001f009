# Cross build for 32-bit Windows: the gauge modules built here are the DLLs the simulator loads.
set(MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Doubles are computed in SSE2 registers, as in the 64-bit builds: the compiler's default, the x87
# unit, keeps intermediate results with 80 bits, so that truncations and comparisons would come
# out differently from the 64-bit builds and from the tests. Every processor that runs the
# simulator has SSE2. A 32-bit host may call the modules with the stack aligned to 4 bytes only,
# so functions that keep SSE values on the stack align it themselves (-mstackrealign).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
