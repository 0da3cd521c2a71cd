#include "events/LocalClock.h"

#include <algorithm>

namespace marvane {

namespace {

constexpr qint64 kDay = 86400;
// More days than any run shows; beyond them the system is asked each time.
constexpr qint64 kMostDays = 800;

int systemOffset(qint64 utc)
{
    return QDateTime::fromSecsSinceEpoch(utc, Qt::LocalTime).offsetFromUtc();
}

// The first second after `from` whose offset is no longer `before`, found in `to - from` halvings'
// worth of questions: `to` has another offset.
qint64 changeBetween(qint64 from, qint64 to, int before)
{
    while (to - from > 1) {
        const qint64 middle = from + (to - from) / 2;
        (systemOffset(middle) == before ? from : to) = middle;
    }
    return to;
}

} // namespace

LocalClock::LocalClock(QDate first, QDate last)
{
    if (!first.isValid() || !last.isValid() || last < first)
        return;
    // Nine days of margin: an event's own zone may put its day either side of the user's, and a
    // weekly event's steps are taken from a week before the days shown to one past them.
    m_from = QDateTime(first.addDays(-9), QTime(0, 0), Qt::UTC).toSecsSinceEpoch();
    m_to = m_from + kDay * std::min(first.daysTo(last) + 19, kMostDays);
    m_offset = systemOffset(m_from);
    int before = m_offset;
    // A zone changes its clock at most once a day.
    for (qint64 day = m_from; day < m_to; day += kDay) {
        const int after = systemOffset(day + kDay);
        if (after != before)
            m_changes.append({changeBetween(day, day + kDay, before), after});
        before = after;
    }
}

int LocalClock::offsetAt(qint64 utc) const
{
    if (utc < m_from || utc >= m_to)
        return systemOffset(utc);
    int offset = m_offset;
    for (const auto &[at, after] : m_changes) {
        if (utc < at)
            break;
        offset = after;
    }
    return offset;
}

QDateTime LocalClock::wallTime(qint64 utc) const
{
    return QDateTime::fromSecsSinceEpoch(utc + offsetAt(utc), Qt::UTC);
}

qint64 LocalClock::instantOf(const QDateTime &wall) const
{
    const qint64 seconds = wall.toSecsSinceEpoch();
    const qint64 guess = seconds - offsetAt(seconds);
    return seconds - offsetAt(guess);
}

} // namespace marvane
