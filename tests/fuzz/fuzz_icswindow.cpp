// libFuzzer target for the look past far-off events that a calendar gets before the library reads
// it: any bytes are read to their end, and nothing is ever added; the same bytes after a large
// first line are also read as a large calendar is, its events kept apart.
#include "events/IcsWindow.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Nothing added but a line's end after an event or a zone; each event kept apart ends its line
// where the next starts.
void check(const QByteArray &text)
{
    const marvane::IcsParts parts = marvane::eventsNear(text, QDate(2026, 10, 1), QDate(2026, 11, 30));
    const qsizetype eventEnds = 2 * text.count("END:VEVENT"), zoneEnds = 2 * text.count("END:VTIMEZONE");
    if (parts.frame.size() + parts.events.size() > text.size() + eventEnds ||
        parts.zones.size() > parts.frame.size() + zoneEnds ||
        (!parts.ends.isEmpty() && parts.ends.last() != parts.events.size()) ||
        !std::is_sorted(parts.ends.cbegin(), parts.ends.cend()) ||
        std::any_of(parts.ends.cbegin(), parts.ends.cend(), [&parts](qsizetype end) { return parts.events[end - 1] != '\n'; }))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    check(text);
    check("X-PAD:" + QByteArray(64 * 1024, 'x') + "\r\n" + text);
    return 0;
}
