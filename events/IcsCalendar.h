#pragma once

#include "events/CalendarEvent.h"
#include "events/LocalClock.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QDate>
#include <QList>

namespace marvane {

// The days of `first` to `last` on which an iCalendar text's events and to-dos fall, expanded
// from their recurrences (RRULE, RDATE, EXDATE, and occurrences moved by RECURRENCE-ID) and
// turned into local time from their zones; cancelled events and completed to-dos are left out.
// The expansion is bounded: a recurrence that would need too many steps to reach the days shown,
// or a text with too many events, is refused with the reason.
class IcsCalendar
{
public:
    static constexpr int kMostEvents = 50000;
    static Result<QList<CalendarEvent>> occurrences(const QByteArray &text, QDate first, QDate last);
    // The same on a clock for those days already found, for many calendars in a row.
    static Result<QList<CalendarEvent>> occurrences(const QByteArray &text, QDate first, QDate last,
                                                    const LocalClock &clock);
};

} // namespace marvane
