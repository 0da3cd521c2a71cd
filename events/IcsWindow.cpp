#include "events/IcsWindow.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QRegularExpression>

#include <optional>

namespace marvane {

namespace {

// The date a DTSTART or DTEND line names, as the text writes it (the zone aside).
std::optional<QDate> dateOf(const QByteArray &line)
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

// Whole days a DURATION value spans at most; nothing when it cannot be read.
std::optional<qint64> durationDays(const QByteArray &line)
{
    static const QRegularExpression form(QStringLiteral(":\\+?P(?:(\\d+)W)?(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+)S)?)?\\s*$"));
    const auto m = form.match(QString::fromLatin1(line));
    if (!m.hasMatch())
        return std::nullopt;
    const qint64 seconds = m.captured(1).toLongLong() * 604800 + m.captured(2).toLongLong() * 86400 +
                           m.captured(3).toLongLong() * 3600 + m.captured(4).toLongLong() * 60 + m.captured(5).toLongLong();
    return seconds / 86400 + 1;
}

// Whether a VEVENT block may have a day from `first` to `last`.
bool mayShow(const QByteArray &block, QDate first, QDate last)
{
    std::optional<QDate> start, end;
    std::optional<qint64> days;
    for (const QByteArray &line : block.split('\n')) {
        if (line.startsWith("RRULE") || line.startsWith("RDATE") || line.startsWith("RECURRENCE-ID"))
            return true;
        if (line.startsWith("DTSTART"))
            start = dateOf(line);
        else if (line.startsWith("DTEND"))
            end = dateOf(line);
        else if (line.startsWith("DURATION"))
            days = durationDays(line);
    }
    if (!start)
        return true;
    if (*start > last.addDays(1))
        return false;
    const std::optional<QDate> until = end ? end : days ? std::optional<QDate>(start->addDays(*days)) : std::nullopt;
    return !until || *until >= first.addDays(-1);
}

} // namespace

QByteArray eventsNear(const QByteArray &text, QDate first, QDate last)
{
    QByteArray kept;
    kept.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype begin = text.indexOf("BEGIN:VEVENT", from);
        const qsizetype end = begin < 0 ? -1 : text.indexOf("END:VEVENT", begin);
        if (end < 0) {
            kept += QByteArrayView(text).sliced(from);
            return kept;
        }
        const qsizetype after = end + 10;
        kept += QByteArrayView(text).sliced(from, begin - from);
        const QByteArray block = text.mid(begin, after - begin);
        if (mayShow(block, first, last))
            kept += block;
        from = after;
    }
}

} // namespace marvane
