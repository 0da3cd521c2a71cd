#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace marvane {

// Raised when integer arithmetic leaves its width: the picture cannot be placed there.
class OverflowError : public std::overflow_error
{
public:
    explicit OverflowError(const std::string &what) : std::overflow_error("integer overflow: " + what) {}
};

namespace checked {

template <typename T> T add(T a, T b, const char *what)
{
    T r;
    if (__builtin_add_overflow(a, b, &r))
        throw OverflowError(what);
    return r;
}

template <typename T> T sub(T a, T b, const char *what)
{
    T r;
    if (__builtin_sub_overflow(a, b, &r))
        throw OverflowError(what);
    return r;
}

template <typename T> T mul(T a, T b, const char *what)
{
    T r;
    if (__builtin_mul_overflow(a, b, &r))
        throw OverflowError(what);
    return r;
}

// Nearest integer of type T, ties to even.
template <typename T> T nearest(double v, const char *what)
{
    const double r = std::nearbyint(v);
    if (!std::isfinite(r) || r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throw OverflowError(what);
    return static_cast<T>(r);
}

} // namespace checked
} // namespace marvane
