#include "calendar/DateMath.h"

#include <QDate>

namespace marvane {

int sundayBasedWeekday(int year, int month, int day)
{
    return QDate(year, month, day).dayOfWeek() % 7 + 1;
}

std::int16_t daysInMonth(std::int16_t year, std::int16_t month)
{
    return static_cast<std::int16_t>(QDate(year, month, 1).daysInMonth());
}

GridPosition cellOf(std::int16_t year, std::int16_t month, std::int16_t day, int firstWeekday)
{
    const auto columnOf = [firstWeekday](int weekday) { return (weekday - firstWeekday + 7) % 7 + 1; };
    const int first = columnOf(sundayBasedWeekday(year, month, 1));
    const auto column = static_cast<std::int16_t>(columnOf(sundayBasedWeekday(year, month, day)));
    return GridPosition{static_cast<std::int16_t>((first + day - 2) / 7 + 1), column};
}

} // namespace marvane
