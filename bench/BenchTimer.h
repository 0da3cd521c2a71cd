#pragma once

#include <algorithm>
#include <chrono>
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

} // namespace marvane::bench
