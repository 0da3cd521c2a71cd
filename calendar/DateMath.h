#pragma once

#include "calendar/GridPosition.h"

#include <algorithm>
#include <cstdint>

namespace marvane {

// Days of a Gregorian month: 28..31; 0 for a month outside 1..12.
std::int16_t daysInMonth(std::int16_t year, std::int16_t month);

// Row and column of a date, which must exist, in weeks that start on `firstWeekday` (1 = Sunday ..
// 7 = Saturday). A month never needs more than six rows.
GridPosition cellOf(std::int16_t year, std::int16_t month, std::int16_t day, int firstWeekday = 1);

// 1 = Sunday .. 7 = Saturday.
int sundayBasedWeekday(int year, int month, int day);

// The weekday (1 = Sunday .. 7 = Saturday) in grid column 1..7 of weeks that start on `firstWeekday`.
constexpr int weekdayInColumn(int column, int firstWeekday)
{
    return (firstWeekday + column - 2) % 7 + 1;
}

// The years the date choosers offer; a clock outside them shows the nearest end.
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2100;

constexpr int chooserYear(int year)
{
    return std::clamp(year, kFirstYear, kLastYear);
}

} // namespace marvane
