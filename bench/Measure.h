#pragma once
// Clock and statistics shared by the benchmark programs.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

inline LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

inline double MicrosecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / frequency;
}

inline double MillisecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to) {
    return MicrosecondsBetween(from, to) / 1000;
}

// The value below which the given share of the values lies, between neighbours.
inline double Quantile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const double at = share * static_cast<double>(values.size() - 1);
    const size_t below = static_cast<size_t>(at);
    const size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (at - static_cast<double>(below));
}

inline double Median(const std::vector<double>& values) { return Quantile(values, 0.5); }

}  // namespace bench
