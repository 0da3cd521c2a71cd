#include "events/IcsCalendar.h"

#include <libical/ical.h>

#include <QDateTime>
#include <QHash>
#include <QSet>

#include <memory>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// Steps a recurrence may take from its start to past the days shown: years of a daily event,
// not the seconds of one that never ends.
constexpr int kMostSteps = 200000;
// Days one event may cover: a long one is shown on the days asked for, not walked day by day.
constexpr int kMostOccurrences = 20000;

struct Free
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, Free>;

// A time as the user's clock shows it: a zone's time or UTC converted, a floating one as it is.
QDateTime localTime(icaltimetype t)
{
    const QDate date(t.year, t.month, t.day);
    if (t.is_date)
        return QDateTime(date, QTime(0, 0));
    if (t.zone)
        return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, t.zone)).toLocalTime();
    return QDateTime(date, QTime(t.hour, t.minute, t.second));
}

// What one occurrence is: its start and end as the user's clock shows them.
struct Span
{
    QDateTime start;
    QDateTime end;
    bool wholeDays;
};

class Expansion
{
public:
    Expansion(QDate first, QDate last) : m_first(first), m_last(last) {}

    // Every day of [start, end) that lies in the days shown; one with the start time, the rest whole.
    void add(const Span &span, const QString &summary)
    {
        const QDate lastDay = span.end > span.start && (span.wholeDays || span.end.time() == QTime(0, 0))
                                  ? span.end.date().addDays(-1)
                                  : std::max(span.start.date(), span.end.date());
        for (QDate d = std::max(span.start.date(), m_first); d <= std::min(lastDay, m_last); d = d.addDays(1)) {
            if (++m_count > kMostOccurrences)
                return;
            const bool first = d == span.start.date() && !span.wholeDays;
            m_events.append({d, first ? span.start.time() : QTime(), summary});
        }
    }
    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    QList<CalendarEvent> &events() { return m_events; }

private:
    QDate m_first;
    QDate m_last;
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
QSet<qint64> skipped(icalcomponent *event, const QSet<qint64> &moved)
{
    QSet<qint64> skip = moved;
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        icaltimetype t = icalproperty_get_exdate(p);
        if (!t.zone)
            t.zone = icalcomponent_get_dtstart(event).zone;
        skip.insert(localTime(t).toSecsSinceEpoch());
    }
    return skip;
}

Result<> expandEvent(icalcomponent *event, const QSet<qint64> &moved, Expansion &out)
{
    const icaltimetype start = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(start) || !icaltime_is_valid_time(start))
        return {};
    icaltimetype end = icalcomponent_get_dtend(event);
    const QDateTime s = localTime(start);
    const qint64 length = icaltime_is_null_time(end) ? (start.is_date ? 86400 : 0) : s.secsTo(localTime(end));
    const QString summary = textOf(icalcomponent_get_summary(event));
    const auto occurrence = [&](const QDateTime &at) { out.add({at, at.addSecs(std::max<qint64>(length, 0)), start.is_date != 0}, summary); };
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    if (!rule || icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
        occurrence(s);
        return {};
    }
    const QSet<qint64> skip = skipped(event, moved);
    icalrecur_iterator *steps = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
    if (!steps)
        return fail({}, u"the event \"%1\" has a recurrence that cannot be read"_s.arg(summary));
    int taken = 0;
    for (icaltimetype next = icalrecur_iterator_next(steps); !icaltime_is_null_time(next);
         next = icalrecur_iterator_next(steps)) {
        next.zone = start.zone;
        const QDateTime at = localTime(next);
        if (at.date() > out.last())
            break;
        if (++taken > kMostSteps) {
            icalrecur_iterator_free(steps);
            return fail({}, u"the event \"%1\" repeats too often to be shown"_s.arg(summary));
        }
        if (at.addSecs(length).date() >= out.first() && !skip.contains(at.toSecsSinceEpoch()))
            occurrence(at);
    }
    icalrecur_iterator_free(steps);
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        icaltimetype t = icalproperty_get_rdate(p).time;
        if (icaltime_is_null_time(t))
            continue;
        if (!t.zone)
            t.zone = start.zone;
        if (!skip.contains(localTime(t).toSecsSinceEpoch()))
            occurrence(localTime(t));
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
    const QDateTime at = localTime(due);
    out.add({at, at, due.is_date != 0}, textOf(icalcomponent_get_summary(todo)));
}

// The starts of the occurrences moved by a RECURRENCE-ID, by UID.
QHash<QString, QSet<qint64>> movedOccurrences(icalcomponent *calendar)
{
    QHash<QString, QSet<qint64>> moved;
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        if (icalproperty *id = icalcomponent_get_first_property(e, ICAL_RECURRENCEID_PROPERTY)) {
            icaltimetype t = icalproperty_get_recurrenceid(id);
            if (!t.zone)
                t.zone = icalcomponent_get_dtstart(e).zone;
            moved[textOf(icalcomponent_get_uid(e))].insert(localTime(t).toSecsSinceEpoch());
        }
    return moved;
}

Result<> expandCalendar(icalcomponent *calendar, Expansion &out, int &events)
{
    const QHash<QString, QSet<qint64>> moved = movedOccurrences(calendar);
    for (icalcomponent *e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (++events > IcsCalendar::kMostEvents)
            return fail({}, u"it holds more than %1 events"_s.arg(IcsCalendar::kMostEvents));
        if (cancelled(e))
            continue;
        if (const Result<> done = expandEvent(e, moved.value(textOf(icalcomponent_get_uid(e))), out); !done)
            return done;
    }
    for (icalcomponent *t = icalcomponent_get_first_component(calendar, ICAL_VTODO_COMPONENT); t;
         t = icalcomponent_get_next_component(calendar, ICAL_VTODO_COMPONENT))
        addToDo(t, out);
    return {};
}

} // namespace

void sortEvents(QList<CalendarEvent> &events)
{
    std::stable_sort(events.begin(), events.end(), [](const CalendarEvent &a, const CalendarEvent &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.start.isValid() != b.start.isValid())
            return !a.start.isValid();
        return a.start < b.start;
    });
}

Result<QList<CalendarEvent>> IcsCalendar::occurrences(const QByteArray &text, QDate first, QDate last)
{
    const Component root(icalparser_parse_string(text.constData()));
    if (!root || (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT &&
                  icalcomponent_isa(root.get()) != ICAL_XROOT_COMPONENT))
        return fail({}, u"it is not an iCalendar file"_s);
    Expansion out(first, last);
    int events = 0;
    if (icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        if (const Result<> done = expandCalendar(root.get(), out, events); !done)
            return std::unexpected(done.error());
    } else {
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            if (const Result<> done = expandCalendar(c, out, events); !done)
                return std::unexpected(done.error());
    }
    sortEvents(out.events());
    return out.events();
}

} // namespace marvane
