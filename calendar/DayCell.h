#pragma once

#include <cstdint>

namespace marvane {

// Where a date sits in its month's grid: week row 1..6 and column 1..7, both counted from the
// week's first day (Sunday unless the user chose another).
struct DayCell
{
    std::int16_t row = 0;
    std::int16_t column = 0;

    friend bool operator==(const DayCell &, const DayCell &) = default;
};

} // namespace marvane
