// The calling convention of every function that crosses between a gauge module and the panel host:
// host functions, gauge callbacks, element callbacks, mouse functions and the header forwarders.
// The simulator is a 32-bit Windows program that calls them as __stdcall; elsewhere the default.
#pragma once

#if defined(_WIN32) && !defined(_WIN64)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif
