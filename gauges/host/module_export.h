// Marks the two records a gauge module exports (ImportTable, Linkage) as visible to the loader,
// under their plain names.
#pragma once

#if defined(_WIN32)
#define GAUGE_EXPORT extern "C" __declspec(dllexport)
#else
#define GAUGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif
