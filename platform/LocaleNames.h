#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace marvane {

// Abbreviated month and weekday names from a locale (the user's by default).
class LocaleNames
{
public:
    explicit LocaleNames(const QLocale &locale = QLocale::system()) : m_locale(locale) {}
    const QLocale &locale() const { return m_locale; }

    // month 1 = January .. 12 = December
    QString month(int month) const;
    // weekday 1 = Sunday .. 7 = Saturday, whatever the locale's first day of the week
    QString weekday(int weekday) const;
    // The locale's first day of the week, 1 = Sunday .. 7 = Saturday.
    int firstWeekday() const;
    // The locale's short form of a date.
    QString shortDate(QDate date) const;

private:
    QLocale m_locale;
};

} // namespace marvane
