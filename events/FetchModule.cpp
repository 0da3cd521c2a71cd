// The fetching module's entry point: Qt Network is linked into this module alone.
#include "events/CalendarFetch.h"
#include "events/CalendarReading.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const marvane::CalendarFetching *marvaneCalendarFetching()
{
    static const marvane::CalendarFetching fetching{&marvane::fetchCalendars};
    return &fetching;
}
