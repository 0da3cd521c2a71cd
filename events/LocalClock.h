#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>

#include <utility>

namespace marvane {

// The user's wall clock for the days around those shown. The system is asked a few dozen times
// when the clock changes in those days, instead of once for every occurrence of every event;
// times outside them are asked of the system as they come.
//
// A wall time is held as a QDateTime kept in UTC whose date and time are those the user's
// clock shows, so that days and times are read from it without the zone.
class LocalClock
{
public:
    LocalClock(QDate first, QDate last);

    int offsetAt(qint64 utc) const;
    QDateTime wallTime(qint64 utc) const;
    // The instant the user's clock shows `wall` (the later one where the clock goes back).
    qint64 instantOf(const QDateTime &wall) const;

private:
    qint64 m_from = 0;
    qint64 m_to = 0;
    int m_offset = 0; // at m_from
    QList<std::pair<qint64, int>> m_changes; // the first second of each new offset
};

} // namespace marvane
