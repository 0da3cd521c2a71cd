#pragma once

#include "settings/Options.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace marvane {

// Turns the calendar's lengths, as it was laid out at 100 %, into pixels at a scale. At 1 every
// length stays itself, so the picture is what it always was.
class LengthScale
{
public:
    explicit LengthScale(double factor = 1.0) : m_factor(factor) {}

    // The user's size where one is set, else the display's; a display that says something odd
    // (nothing, or beyond what the size choice allows) gives what is nearest.
    static LengthScale of(const Options &options, double displayScale)
    {
        if (options.calendarScale >= Options::kMinScale && options.calendarScale <= Options::kMaxScale)
            return LengthScale(options.calendarScale / 100.0);
        if (!std::isfinite(displayScale))
            return LengthScale();
        return LengthScale(std::clamp(displayScale, Options::kMinScale / 100.0, Options::kMaxScale / 100.0));
    }

    double factor() const { return m_factor; }
    std::int64_t length(std::int64_t units) const
    {
        return m_factor == 1.0 ? units : std::llround(static_cast<double>(units) * m_factor);
    }
    double exact(double units) const { return units * m_factor; }
    // A line's thickness: one pixel at 1, rounded like every other length.
    std::int32_t lineWidth() const { return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::lround(m_factor))); }

private:
    double m_factor;
};

} // namespace marvane
