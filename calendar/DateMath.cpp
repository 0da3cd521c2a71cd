#include "calendar/DateMath.h"

#include "calendar/Checked.h"

#include <QDate>

#include <stdexcept>
#include <string>

namespace marvane {

namespace {

QDate validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        throw std::invalid_argument("not a date: " + std::to_string(year) + "/" + std::to_string(month) + "/" +
                                    std::to_string(day));
    return date;
}

} // namespace

int sundayBasedWeekday(int year, int month, int day)
{
    return validDate(year, month, day).dayOfWeek() % 7 + 1;
}

std::int16_t daysInMonth(std::int16_t year, std::int16_t month)
{
    return static_cast<std::int16_t>(validDate(year, month, 1).daysInMonth());
}

DayCell cellOf(std::int16_t year, std::int16_t month, std::int16_t day)
{
    const auto first = static_cast<std::int16_t>(sundayBasedWeekday(year, month, 1));
    const auto column = static_cast<std::int16_t>(sundayBasedWeekday(year, month, day));
    const std::int16_t sum = checked::add<std::int16_t>(first, day, "week row");
    const std::int16_t offset = checked::sub<std::int16_t>(sum, 2, "week row");
    return DayCell{static_cast<std::int16_t>(offset / 7 + 1), column};
}

} // namespace marvane
