// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers the benchmarks share: a seeded random game, a monotonic clock, medians, the
// process's peak resident memory, and the one-line results the bench driver reads.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace Measure {

using Clock = std::chrono::steady_clock;

inline double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// CPU time this thread has used: unlike the wall clock, other programs sharing the
// processor do not add to it.
inline double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A game of `count` numbers of the wheel (0 to 36), the same for the same seed.
inline std::vector<std::uint8_t> randomDraws(long count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(0, 36);
    std::vector<std::uint8_t> draws(static_cast<std::size_t>(count));
    for (std::uint8_t& draw : draws) {
        draw = static_cast<std::uint8_t>(number(generator));
    }
    return draws;
}

inline double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

// The value below which the given fraction of the values fall (nearest rank).
inline double percentile(std::vector<double> values, double fraction)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    std::size_t rank = static_cast<std::size_t>(fraction * static_cast<double>(values.size()));
    rank = std::min(rank, values.size() - 1);
    return values[rank];
}

// A field of /proc/self/status in kilobytes (VmHWM: peak resident set, VmRSS: current), or -1.
inline long statusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size() + 1, field + ":") == 0) {
            return std::stol(line.substr(field.size() + 1));
        }
    }
    return -1;
}

inline long peakResidentKilobytes()
{
    return statusKilobytes("VmHWM");
}

// "RESULT name value unit": one figure for the driver, after the human-readable lines.
inline void result(const char* name, double value, const char* unit)
{
    std::printf("RESULT %s %.6g %s\n", name, value, unit);
    std::fflush(stdout);
}

inline std::string join(const std::vector<double>& values, const char* format)
{
    std::string text;
    char buffer[64];
    for (const double value : values) {
        std::snprintf(buffer, sizeof buffer, format, value);
        if (!text.empty()) {
            text += ' ';
        }
        text += buffer;
    }
    return text;
}

// Reads "--name value" from the arguments, or gives the fallback.
inline long option(int argc, char* argv[], const std::string& name, long fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i] == "--" + name) {
            return std::stol(argv[i + 1]);
        }
    }
    return fallback;
}

} // namespace Measure
