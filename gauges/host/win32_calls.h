// The Win32 functions the gauge modules and the stand-ins call. On Windows they are the system's;
// elsewhere the gauge_win32 library provides them with the same behaviour.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include "posix/win32_functions.h"
#endif
