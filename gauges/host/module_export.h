// Marks the two records a gauge module exports (ImportTable, Linkage) as visible to the loader.
// Define them inside extern "C" { } so they carry their plain names.
#pragma once

#if defined(_WIN32)
#define GAUGE_EXPORT __declspec(dllexport)
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif
