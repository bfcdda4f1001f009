// Timing helpers of the benchmarks: wall-clock and processor time of repeated steps and of shell
// commands, their median, and the process's peak memory.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

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

// Runs the step once and adds its times. The system first writes out what earlier steps left to
// be written, so that a step does not wait for the disk writes of the one before it: a run that
// replaces files would otherwise wait for the writes that the run before it started.
template <typename Step>
void Measure(Times& times, int who, Step step) {
    sync();
    const double cpuStart = CpuMilliseconds(who);
    const auto start = Clock::now();
    step();
    times.wall.push_back(MillisecondsSince(start));
    times.cpu.push_back(CpuMilliseconds(who) - cpuStart);
}

// The text in single quotes for the shell, any single quote in it kept.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a shell command and adds its times, and those of the programs it starts, to `times`; false
// when the command failed.
inline bool MeasureShell(Times& times, const std::string& command) {
    bool succeeded = false;
    Measure(times, RUSAGE_CHILDREN, [&] { succeeded = std::system(command.c_str()) == 0; });
    return succeeded;
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The largest resident size this process has had so far, in MB.
inline double PeakMemoryMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

}  // namespace vantrel::bench
