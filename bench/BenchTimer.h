#pragma once

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace marvane::bench {

// Median wall time of `runs` calls, in milliseconds, after `warmup` untimed calls.
template <typename F> double medianMs(F &&work, int runs = 41, int warmup = 5)
{
    for (int i = 0; i < warmup; ++i)
        work();
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

// Median wall times of `first` and `second`, called in turn so that both see the same state of
// the machine, in milliseconds.
template <typename F, typename G> std::pair<double, double> pairedMedianMs(F &&first, G &&second, int runs = 41,
                                                                          int warmup = 5)
{
    for (int i = 0; i < warmup; ++i) {
        first();
        second();
    }
    std::vector<double> a, b;
    const auto time = [](auto &&work, std::vector<double> &into) {
        const auto start = std::chrono::steady_clock::now();
        work();
        into.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    };
    for (int i = 0; i < runs; ++i) {
        time(first, a);
        time(second, b);
    }
    const auto median = [](std::vector<double> &v) {
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    return {median(a), median(b)};
}

} // namespace marvane::bench
