#pragma once

#include "calendar/DayCell.h"

#include <algorithm>
#include <cstdint>

namespace marvane {

// Days of a Gregorian month: 28..31; 0 for a month outside 1..12.
std::int16_t daysInMonth(std::int16_t year, std::int16_t month);

// Row and weekday column of a date, which must exist.
DayCell cellOf(std::int16_t year, std::int16_t month, std::int16_t day);

// 1 = Sunday .. 7 = Saturday.
int sundayBasedWeekday(int year, int month, int day);

// The years the date choosers offer; a clock outside them shows the nearest end.
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2100;

constexpr int chooserYear(int year)
{
    return std::clamp(year, kFirstYear, kLastYear);
}

} // namespace marvane
