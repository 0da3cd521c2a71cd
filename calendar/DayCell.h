#pragma once

#include <cstdint>

namespace marvane {

// Where a date sits in its month's grid: week row 1..6 (weeks start on Sunday), weekday 1 = Sunday.
struct DayCell
{
    std::int16_t row = 0;
    std::int16_t column = 0;

    friend bool operator==(const DayCell &, const DayCell &) = default;
};

} // namespace marvane
