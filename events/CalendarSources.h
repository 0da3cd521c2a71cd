#pragma once

#include "events/CalendarEvent.h"
#include "platform/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace marvane {

// The user's calendars, as the Calendars setting lists them (separated by ";"): .ics files,
// folders of them (as vdirsyncer and khal keep them) and http:// or https:// addresses, whose
// copies the fetcher keeps in the cache folder. Read only: nothing is ever written to a calendar.
class CalendarSources
{
public:
    static constexpr qint64 kMostBytes = 16 * 1024 * 1024;

    static QStringList split(const QString &setting);
    static bool isAddress(const QString &source);
    // Where the copy of an address is kept.
    static QString cacheFile(const QString &cacheDirectory, const QString &address);

    struct Read
    {
        QList<CalendarEvent> events; // in date and time order
        QList<Failure> problems;     // one per source that could not be read, naming it
    };
    // The events of every source on the days from `first` to `last`; a source that cannot be
    // read is told and the others are still read. What a large file expanded to is kept in the
    // cache folder for the runs that follow.
    static Read read(const QString &setting, const QString &cacheDirectory, QDate first, QDate last);
};

} // namespace marvane
