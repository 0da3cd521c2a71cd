#pragma once

#include "events/LocalClock.h"

#include <libical/ical.h>

#include <QDateTime>

#include <algorithm>

namespace marvane {

// A time of an event: the user's wall clock, and the instant it names. A floating time or a
// date is an instant only through the user's zone; a zoned one reaches its end in real seconds.
struct Moment
{
    QDateTime wall;
    qint64 instant;
    bool floating;
};

inline bool isFloating(icaltimetype t)
{
    return t.is_date || !t.zone;
}

inline QDateTime wallOf(icaltimetype floating)
{
    const QTime time = floating.is_date ? QTime(0, 0) : QTime(floating.hour, floating.minute, std::min(floating.second, 59));
    return QDateTime(QDate(floating.year, floating.month, floating.day), time, Qt::UTC);
}

inline Moment momentOf(icaltimetype t, const LocalClock &clock)
{
    if (isFloating(t)) {
        const QDateTime wall = wallOf(t);
        return {wall, clock.instantOf(wall), true};
    }
    const qint64 utc = icaltime_as_timet_with_zone(t, t.zone);
    return {clock.wallTime(utc), utc, false};
}

// Seconds on the clock between floating times, real seconds otherwise.
inline qint64 secondsBetween(icaltimetype start, icaltimetype end, const LocalClock &clock)
{
    if (isFloating(start) && isFloating(end))
        return wallOf(start).secsTo(wallOf(end));
    const auto instant = [&clock](icaltimetype t) {
        return isFloating(t) ? clock.instantOf(wallOf(t)) : qint64(icaltime_as_timet_with_zone(t, t.zone));
    };
    return instant(end) - instant(start);
}

inline QDateTime endOf(const Moment &start, qint64 length, const LocalClock &clock)
{
    return start.floating ? start.wall.addSecs(length) : clock.wallTime(start.instant + length);
}

} // namespace marvane
