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

} // namespace marvane
