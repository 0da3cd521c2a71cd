#pragma once

#include <cstdint>

namespace marvane {

// Where a date sits in its month's grid: week row 1..6 and column 1..7, both counted from the
// week's first day (Sunday unless the user chose another).
struct GridPosition
{
    std::int16_t row = 0;
    std::int16_t column = 0;

    friend bool operator==(const GridPosition &, const GridPosition &) = default;
};

} // namespace marvane
