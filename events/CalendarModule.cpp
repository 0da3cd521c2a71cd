// The reading module's entry point: libical is linked into this module alone.
#include "events/CalendarReading.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const marvane::CalendarReading *marvaneCalendarReading()
{
    static const marvane::CalendarReading reading{&marvane::CalendarSources::read};
    return &reading;
}
