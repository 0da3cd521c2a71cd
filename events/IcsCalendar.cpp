#include "events/IcsCalendar.h"

#include "events/IcsWindow.h"
#include "events/IcsRecurrence.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QHash>
#include <QSet>

#include <memory>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// Days of events one calendar may have in the days asked for: beyond it the calendar is refused.
constexpr int kMostOccurrences = 200000;

struct Free
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, Free>;

// What one occurrence is: its start and end on the user's wall clock.
struct Span
{
    QDateTime start;
    QDateTime end;
    bool wholeDays;
};

class Expansion
{
public:
    Expansion(QDate first, QDate last, const LocalClock &clock) : m_first(first), m_last(last), m_clock(clock) {}

    // Every day of [start, end) that lies in the days shown; one with the start time, the rest whole.
    void add(const Span &span, const QString &summary)
    {
        const QDate lastDay = span.end > span.start && (span.wholeDays || span.end.time() == QTime(0, 0))
                                  ? span.end.date().addDays(-1)
                                  : std::max(span.start.date(), span.end.date());
        for (QDate d = std::max(span.start.date(), m_first); d <= std::min(lastDay, m_last); d = d.addDays(1)) {
            if (++m_count > kMostOccurrences) {
                m_tooMany = true;
                return;
            }
            const bool first = d == span.start.date() && !span.wholeDays;
            m_events.append({d, first ? span.start.time() : QTime(), summary});
        }
    }
    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    const LocalClock &clock() const { return m_clock; }
    QList<CalendarEvent> &events() { return m_events; }
    bool tooMany() const { return m_tooMany; }

private:
    bool m_tooMany = false;
    QDate m_first;
    QDate m_last;
    const LocalClock &m_clock;
    int m_count = 0;
    QList<CalendarEvent> m_events;
};

QString textOf(const char *s)
{
    return s ? QString::fromUtf8(s).simplified() : QString();
}

bool cancelled(icalcomponent *event)
{
    return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

// The occurrences a recurring event's master leaves to others: its EXDATEs and the starts of
// the occurrences moved by a RECURRENCE-ID.
QSet<qint64> skipped(icalcomponent *event, const QSet<qint64> &moved, const LocalClock &clock)
{
    QSet<qint64> skip = moved;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        icaltimetype t = icalproperty_get_exdate(p);
        if (!t.zone)
            t.zone = icalcomponent_get_dtstart(event).zone;
        skip.insert(momentOf(t, clock).instant);
    }
    return skip;
}

Result<> expandEvent(icalcomponent *event, const QSet<qint64> &moved, Expansion &out)
{
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
        return {};
    const icaltimetype end = icalcomponent_get_dtend(event);
    const LocalClock &clock = out.clock();
    const qint64 length = std::max<qint64>(0, icaltime_is_null_time(end) ? (start.is_date ? 86400 : 0) : secondsBetween(start, end, clock));
    const QString summary = textOf(icalcomponent_get_summary(event));
    const auto occurrence = [&](const Moment &at) { out.add({at.wall, endOf(at, length, clock), start.is_date != 0}, summary); };
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule || icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
        occurrence(momentOf(start, clock));
        return {};
    }
    const QSet<qint64> skip = skipped(event, moved, clock);
    const Result<QList<Moment>> starts =
        ruleStarts(start, icalproperty_get_rrule(rule), out.first().addDays(-length / 86400 - 1), out.last(), clock);
    if (!starts)
        return fail({}, u"the event \"%1\" %2"_s.arg(summary, starts.error().reason()));
    for (const Moment &at : *starts)
        if ((at.wall.date() >= out.first() || endOf(at, length, clock).date() >= out.first()) && !skip.contains(at.instant))
            occurrence(at);
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        icaltimetype t = icalproperty_get_rdate(p).time;
        if (icaltime_is_null_time(t))
            continue;
        if (!t.zone)
            t.zone = start.zone;
        if (const Moment at = momentOf(t, clock); !skip.contains(at.instant))
            occurrence(at);
    }
    return {};
}

void addToDo(icalcomponent *todo, Expansion &out)
{
    const icaltimetype due = icalcomponent_get_due(todo);
    const icalproperty_status status = icalcomponent_get_status(todo);
    if (icaltime_is_null_time(due) || status == ICAL_STATUS_COMPLETED || status == ICAL_STATUS_CANCELLED ||
        icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY))
        return;
    const QDateTime at = momentOf(due, out.clock()).wall;
    out.add({at, at, due.is_date != 0}, textOf(icalcomponent_get_summary(todo)));
}

// The starts of the occurrences moved by a RECURRENCE-ID, by UID.
QHash<QString, QSet<qint64>> movedOccurrences(icalcomponent *calendar, const LocalClock &clock)
{
    QHash<QString, QSet<qint64>> moved;
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        if (icalproperty *id = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY)) {
            icaltimetype t = icalproperty_get_recurrenceid(id);
            if (!t.zone)
                t.zone = icalcomponent_get_dtstart(e).zone;
            moved[textOf(icalcomponent_get_uid(e))].insert(momentOf(t, clock).instant);
        }
    return moved;
}

using Moved = QHash<QString, QSet<qint64>>;

Result<> expandCalendar(icalcomponent *calendar, const Moved &moved, Expansion &out, int &events)
{
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (++events > IcsCalendar::kMostEvents)
            return fail({}, u"it holds more than %1 events"_s.arg(IcsCalendar::kMostEvents));
        if (cancelled(e))
            continue;
        const QSet<qint64> movedHere = moved.isEmpty() ? QSet<qint64>() : moved.value(textOf(icalcomponent_get_uid(e)));
        if (const Result<> done = expandEvent(e, movedHere, out); !done)
            return done;
    }
    for (icalcomponent *t = icalcomponent_get_first_component(calendar, ICAL_VTODO_COMPONENT); t;
         t = icalcomponent_get_next_component(calendar, ICAL_VTODO_COMPONENT))
        addToDo(t, out);
    return {};
}

// The calendars of the frame, with what their occurrences moved by a RECURRENCE-ID leave out.
Result<Moved> expandFrame(icalcomponent *root, Expansion &out, int &events)
{
    QList<icalcomponent *> calendars;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        calendars << root;
    else
        for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
            calendars << c;
    Moved all;
    for (icalcomponent *c : calendars) {
        const Moved moved = movedOccurrences(c, out.clock());
        if (const Result<> done = expandCalendar(c, moved, out, events); !done)
            return std::unexpected(done.error());
        all.insert(moved);
    }
    return all;
}

// A large calendar's events are read a few hundred at a time, each part with the calendar's
// zones: the memory one part takes serves the next. Read all at once, 5,000 events held 10 MB
// more and took nearly twice as long.
constexpr qsizetype kEventsAPart = 256;

Result<> expandParts(const IcsParts &parts, Expansion &out)
{
    const Component root(icalparser_parse_string(parts.frame.constData()));
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT &&
                  icalcomponent_isa(root.get()) != ICAL_XROOT_COMPONENT))
        return fail({}, u"it is not an iCalendar file"_s);
    int events = 0;
    const Result<Moved> moved = expandFrame(root.get(), out, events);
    if (!moved)
        return std::unexpected(moved.error());
    for (qsizetype i = 0; i < parts.ends.size(); i += kEventsAPart) {
        const qsizetype from = i == 0 ? 0 : parts.ends[i - 1];
        const qsizetype to = parts.ends[std::min(i + kEventsAPart, parts.ends.size()) - 1];
        QByteArray text = "BEGIN:VCALENDAR\r\n" + parts.zones;
        text += QByteArrayView(parts.events).sliced(from, to - from);
        text += "END:VCALENDAR\r\n";
        const Component part(icalparser_parse_string(text.constData()));
        if (!part)
            return fail({}, u"it is not an iCalendar file"_s);
        if (const Result<> done = expandCalendar(part.get(), *moved, out, events); !done)
            return done;
    }
    return {};
}

} // namespace

Result<QList<CalendarEvent>> IcsCalendar::occurrences(const QByteArray &text, QDate first, QDate last)
{
    return occurrences(text, first, last, LocalClock(first, last));
}

Result<QList<CalendarEvent>> IcsCalendar::occurrences(const QByteArray &text, QDate first, QDate last,
                                                      const LocalClock &clock)
{
    // A calendar mostly holds other days, as does a folder of one file an event: those events are
    // left out before the library reads it.
    const IcsParts parts = eventsNear(text, first, last);
    Expansion out(first, last, clock);
    if (const Result<> done = expandParts(parts, out); !done)
        return std::unexpected(done.error());
    if (out.tooMany())
        return fail({}, u"it has more than %1 days of events in the days shown"_s.arg(kMostOccurrences));
    sortEvents(out.events());
    return out.events();
}

} // namespace marvane
