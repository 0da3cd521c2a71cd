// libFuzzer target for the look past far-off events that a large calendar gets before the
// library reads it: any bytes are read to their end, and nothing is ever added.
#include "events/IcsWindow.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const marvane::IcsParts parts = marvane::eventsNear(text, QDate(2026, 10, 1), QDate(2026, 11, 30));
    // Nothing added but a line's end after an event or a zone; each event kept apart ends its
    // line where the next starts.
    const qsizetype eventEnds = 2 * text.count("END:VEVENT"), zoneEnds = 2 * text.count("END:VTIMEZONE");
    if (parts.frame.size() + parts.events.size() > text.size() + eventEnds ||
        parts.zones.size() > parts.frame.size() + zoneEnds ||
        (!parts.ends.isEmpty() && parts.ends.last() != parts.events.size()) ||
        !std::is_sorted(parts.ends.cbegin(), parts.ends.cend()) ||
        std::any_of(parts.ends.cbegin(), parts.ends.cend(), [&parts](qsizetype end) { return parts.events[end - 1] != '\n'; }))
        std::abort();
    return 0;
}
