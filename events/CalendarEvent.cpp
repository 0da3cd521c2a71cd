#include "events/CalendarEvent.h"

#include <algorithm>

namespace marvane {

void sortEvents(QList<CalendarEvent> &events)
{
    const auto before = [](const CalendarEvent &a, const CalendarEvent &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.start.isValid() != b.start.isValid())
            return !a.start.isValid();
        return a.start < b.start;
    };
    // One calendar's events, or a kept expansion, come in order already.
    if (!std::is_sorted(events.cbegin(), events.cend(), before))
        std::stable_sort(events.begin(), events.end(), before);
}

} // namespace marvane
