// Rows of the tables of times that the converter and ARINC import benchmarks print: a baseline's
// median elapsed and processor times, and a measured step's with its ratio to a baseline and the
// goal of that ratio.
#pragma once

#include <cstdio>

#include "goals.h"
#include "measure.h"

namespace vantrel::bench {

inline void PrintTimesHeader() {
    std::printf("%44s%7s%13s%11s\n", "", "elapsed", "processor", "ratio");
}

inline void PrintBaselineRow(const char* what, const Times& times) {
    std::printf("  %-40s %8.1f ms  %8.1f ms\n", what, Median(times.wall), Median(times.cpu));
}

inline void PrintRatioRow(Figures& figures, const char* what, const Times& times,
                          const Times& baseline, const Goal& goal) {
    const double ms = Median(times.wall), ratio = ms / Median(baseline.wall);
    std::printf("  %-40s %8.1f ms  %8.1f ms  %6.2f (%s)\n", what, ms, Median(times.cpu), ratio,
                figures.check(goal, ratio).c_str());
}

}  // namespace vantrel::bench
