// The calendar module's entry point: everything behind it is linked into the module alone.
#include "events/CalendarFetch.h"
#include "events/CalendarReading.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const marvane::CalendarReading *marvaneCalendarReading()
{
    static const marvane::CalendarReading reading{&marvane::CalendarSources::read, &marvane::fetchCalendars};
    return &reading;
}
