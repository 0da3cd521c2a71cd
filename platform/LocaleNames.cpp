#include "platform/LocaleNames.h"

namespace marvane {

QString LocaleNames::month(int month) const
{
    return m_locale.standaloneMonthName(month, QLocale::ShortFormat);
}

QString LocaleNames::weekday(int weekday) const
{
    // Qt counts Monday = 1 .. Sunday = 7.
    const int qtDay = weekday == 1 ? 7 : weekday - 1;
    return m_locale.standaloneDayName(qtDay, QLocale::ShortFormat);
}

int LocaleNames::firstWeekday() const
{
    return static_cast<int>(m_locale.firstDayOfWeek()) % 7 + 1;
}

QString LocaleNames::shortDate(QDate date) const
{
    return m_locale.toString(date, QLocale::ShortFormat);
}

} // namespace marvane
