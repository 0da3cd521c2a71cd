#include "events/IcsWindow.h"

#include <QByteArrayView>

#include <algorithm>
#include <iterator>
#include <optional>

namespace marvane {

namespace {

// Property names are the same in any case; they start with a letter, looked at first.
bool sameName(QByteArrayView a, QByteArrayView name)
{
    return (a[0] | 0x20) == (name[0] | 0x20) && a.compare(name, Qt::CaseInsensitive) == 0;
}

bool startsWith(QByteArrayView line, QByteArrayView name)
{
    return line.size() >= name.size() && sameName(line.first(name.size()), name);
}

// The whole number that starts `text`, and what follows it; nothing without a digit.
std::optional<qint64> number(QByteArrayView &text)
{
    qint64 value = 0;
    qsizetype i = 0;
    for (; i < text.size() && i < 12 && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    if (i == 0)
        return std::nullopt;
    text = text.sliced(i);
    return value;
}

// The date a DTSTART or DTEND line names, as the text writes it (the zone aside).
std::optional<QDate> dateOf(QByteArrayView line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon < 0 || line.size() < colon + 9)
        return std::nullopt;
    int digits[8];
    for (int i = 0; i < 8; ++i) {
        const char c = line[colon + 1 + i];
        if (c < '0' || c > '9')
            return std::nullopt;
        digits[i] = c - '0';
    }
    const QDate date(digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5],
                     digits[6] * 10 + digits[7]);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// Whole days a DURATION value ("P1W", "+P2DT3H30M") spans at most; nothing when it cannot be read.
std::optional<qint64> durationDays(QByteArrayView line)
{
    QByteArrayView rest = line.sliced(line.indexOf(':') + 1).trimmed();
    if (rest.startsWith('+'))
        rest = rest.sliced(1);
    if (!rest.startsWith('P') || rest.size() < 3)
        return std::nullopt;
    rest = rest.sliced(1);
    qint64 seconds = 0;
    bool inTime = false;
    while (!rest.isEmpty()) {
        if (!inTime && rest.startsWith('T')) {
            inTime = true;
            rest = rest.sliced(1);
            continue;
        }
        const std::optional<qint64> n = number(rest);
        if (!n || rest.isEmpty())
            return std::nullopt;
        const char unit = rest[0];
        rest = rest.sliced(1);
        if (!inTime && (unit == 'W' || unit == 'D'))
            seconds += *n * (unit == 'W' ? 604800 : 86400);
        else if (inTime && (unit == 'H' || unit == 'M' || unit == 'S'))
            seconds += *n * (unit == 'H' ? 3600 : unit == 'M' ? 60 : 1);
        else
            return std::nullopt;
    }
    return seconds / 86400 + 1;
}

// Whether a VEVENT block may have a day from `first` to `last`.
bool mayShow(QByteArrayView block, QDate first, QDate last)
{
    std::optional<QDate> start, end;
    std::optional<qint64> days;
    while (!block.isEmpty()) {
        const qsizetype newline = block.indexOf('\n');
        const QByteArrayView line = newline < 0 ? block : block.first(newline);
        block = newline < 0 ? QByteArrayView() : block.sliced(newline + 1);
        if (startsWith(line, "RRULE") || startsWith(line, "RDATE") || startsWith(line, "RECURRENCE-ID"))
            return true;
        if (startsWith(line, "DTSTART"))
            start = dateOf(line);
        else if (startsWith(line, "DTEND"))
            end = dateOf(line);
        else if (startsWith(line, "DURATION"))
            days = durationDays(line);
    }
    if (!start)
        return true;
    if (*start > last.addDays(1))
        return false;
    const std::optional<QDate> until = end ? end : days ? std::optional<QDate>(start->addDays(*days)) : std::nullopt;
    return !until || *until >= first.addDays(-1);
}

// Whether a property of an event tells when it falls, what it is called or whether it is off; its
// UID only matters to a calendar with occurrences moved by a RECURRENCE-ID.
bool needed(QByteArrayView line, bool uids)
{
    static constexpr QByteArrayView kNeeded[] = {"SUMMARY", "DTSTART", "DTEND", "DURATION", "RRULE", "RDATE",
                                                 "EXDATE", "RECURRENCE-ID", "STATUS", "BEGIN", "END"};
    qsizetype nameEnd = 0;
    while (nameEnd < line.size() && line[nameEnd] != ':' && line[nameEnd] != ';')
        ++nameEnd;
    const QByteArrayView name = line.first(nameEnd);
    if (name.size() == 3 && sameName(name, "UID"))
        return uids;
    return std::any_of(std::begin(kNeeded), std::end(kNeeded), [name](QByteArrayView n) {
        return n.size() == name.size() && sameName(name, n);
    });
}

// A kept event's lines without those the reading never asks for (its description, attendees,
// alarms and the like), which are most of a synced calendar's text; whether it is an occurrence
// moved by a RECURRENCE-ID.
bool appendNeeded(QByteArray &kept, QByteArrayView block, bool uids)
{
    int depth = 0;
    bool keeping = true, moved = false;
    while (!block.isEmpty()) {
        const qsizetype newline = block.indexOf('\n');
        const QByteArrayView line = newline < 0 ? block : block.first(newline + 1);
        block = block.sliced(line.size());
        // A folded line goes with the property it continues.
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (keeping && depth <= 1)
                kept += line;
            continue;
        }
        depth += startsWith(line, "BEGIN:");
        keeping = depth <= 1 && needed(line, uids);
        moved = moved || (depth == 1 && startsWith(line, "RECURRENCE-ID"));
        if (keeping)
            kept += line;
        depth -= startsWith(line, "END:");
    }
    return moved;
}

// Where the block that ends with `name` at `end` ends, with its line's end.
qsizetype afterLine(QByteArrayView all, qsizetype end, QByteArrayView name)
{
    qsizetype after = end + name.size();
    if (after < all.size() && all[after] == '\r')
        ++after;
    if (after < all.size() && all[after] == '\n')
        ++after;
    return after;
}

// The zone definitions of a calendar's text, each ending its line.
QByteArray zonesOf(QByteArrayView text)
{
    QByteArray zones;
    for (qsizetype from = text.indexOf("BEGIN:VTIMEZONE"); from >= 0; from = text.indexOf("BEGIN:VTIMEZONE", from)) {
        const qsizetype end = text.indexOf("END:VTIMEZONE", from);
        if (end < 0)
            break;
        const qsizetype after = afterLine(text, end, "END:VTIMEZONE");
        zones += text.sliced(from, after - from);
        if (!zones.endsWith('\n'))
            zones += "\r\n";
        from = after;
    }
    return zones;
}

// As eventsNear; nothing when `uids` is off and an occurrence was moved, as those need them.
std::optional<IcsParts> gather(const QByteArray &text, QDate first, QDate last, bool uids)
{
    const QByteArrayView all(text);
    // Events read apart share the zones of the one calendar around them; a small calendar is
    // read in one part.
    const qsizetype calendar = all.indexOf("BEGIN:VCALENDAR");
    const bool apart = text.size() > 64 * 1024 && calendar >= 0 && all.indexOf("BEGIN:VCALENDAR", calendar + 1) < 0;
    IcsParts parts;
    // An if, not a conditional lvalue: g++ 12 at -O3 reserved from an uninitialised size there.
    if (apart)
        parts.events.reserve(text.size());
    else
        parts.frame.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype begin = all.indexOf("BEGIN:VEVENT", from);
        const qsizetype end = begin < 0 ? -1 : all.indexOf("END:VEVENT", begin);
        if (end < 0)
            break;
        const qsizetype after = afterLine(all, end, "END:VEVENT");
        parts.frame += all.sliced(from, begin - from);
        const QByteArrayView block = all.sliced(begin, after - begin);
        from = after;
        if (!mayShow(block, first, last))
            continue;
        const qsizetype at = parts.events.size();
        const bool moved = appendNeeded(parts.events, block, uids);
        if (moved && !uids)
            return std::nullopt;
        // Blocks follow each other: each ends its last line.
        if (!parts.events.endsWith('\n'))
            parts.events += "\r\n";
        if (moved || !apart) {
            parts.frame += QByteArrayView(parts.events).sliced(at);
            parts.events.truncate(at);
        } else {
            parts.ends << parts.events.size();
        }
    }
    parts.frame += all.sliced(from);
    // Only events read apart need the zones again.
    if (apart)
        parts.zones = zonesOf(parts.frame);
    return parts;
}

} // namespace

IcsParts eventsNear(const QByteArray &text, QDate first, QDate last)
{
    // Most calendars move no occurrence: their events go without the UID, the library's slowest
    // property to look up, for a tenth of the reading.
    std::optional<IcsParts> parts = gather(text, first, last, false);
    return parts ? std::move(*parts) : *gather(text, first, last, true);
}

} // namespace marvane
