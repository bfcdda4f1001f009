// Timing helpers of the benchmarks: wall-clock and processor time of repeated steps, and their
// median.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

#include <sys/resource.h>

namespace vantrel::bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time (user and system) used so far by this process (RUSAGE_SELF) or by its finished
// children (RUSAGE_CHILDREN).
inline double CpuMilliseconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Wall-clock and processor time of each run of a measured step.
struct Times {
    std::vector<double> wall, cpu;
};

template <typename Step>
void Measure(Times& times, int who, Step step) {
    const double cpuStart = CpuMilliseconds(who);
    const auto start = Clock::now();
    step();
    times.wall.push_back(MillisecondsSince(start));
    times.cpu.push_back(CpuMilliseconds(who) - cpuStart);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace vantrel::bench
