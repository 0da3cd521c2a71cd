#include "events/IcsCalendar.h"

#include "events/IcsWindow.h"

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
// Days of events one calendar may have in the days asked for: beyond it the calendar is refused.
constexpr int kMostOccurrences = 200000;

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
    QList<CalendarEvent> &events() { return m_events; }
    bool tooMany() const { return m_tooMany; }

private:
    bool m_tooMany = false;
    QDate m_first;
    QDate m_last;
    int m_count = 0;
    QList<CalendarEvent> m_events;
};

// A rule without COUNT repeats the same way from any whole number of its periods after its
// start: it is started at the last such period before the days shown, so that years of a daily
// event, or days of one every second, are not walked through.
icaltimetype fastForward(icaltimetype start, const icalrecurrencetype &rule, QDate first)
{
    const QDate from(start.year, start.month, start.day);
    if (rule.count > 0 || rule.interval < 1 || !from.isValid() || from.addDays(2) >= first)
        return start;
    // A day of margin for the zones between the rule's clock and the user's.
    const qint64 days = from.daysTo(first) - 2;
    const int step = rule.interval;
    icaltimetype moved = start;
    switch (rule.freq) {
    case ICAL_SECONDLY_RECURRENCE:
    case ICAL_MINUTELY_RECURRENCE:
    case ICAL_HOURLY_RECURRENCE: {
        const qint64 unit = rule.freq == ICAL_HOURLY_RECURRENCE ? 3600 : rule.freq == ICAL_MINUTELY_RECURRENCE ? 60 : 1;
        const qint64 period = unit * step;
        const qint64 seconds = days * 86400 / period * period;
        icaltime_adjust(&moved, static_cast<int>(seconds / 86400), 0, 0, static_cast<int>(seconds % 86400));
        break;
    }
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE: {
        const qint64 period = (rule.freq == ICAL_WEEKLY_RECURRENCE ? 7 : 1) * step;
        icaltime_adjust(&moved, static_cast<int>(days / period * period), 0, 0, 0);
        break;
    }
    case ICAL_MONTHLY_RECURRENCE: {
        // A day that not every month has would make another date.
        if (start.day > 28)
            return start;
        const int months = static_cast<int>(((first.year() - from.year()) * 12 + first.month() - from.month() - 1) / step * step);
        moved.month += months % 12;
        moved.year += months / 12;
        if (moved.month > 12) {
            moved.month -= 12;
            ++moved.year;
        }
        break;
    }
    case ICAL_YEARLY_RECURRENCE:
        if (start.month == 2 && start.day == 29)
            return start;
        moved.year += (first.year() - from.year() - 1) / step * step;
        break;
    default:
        return start;
    }
    return moved;
}

bool onlyListed(const short *list)
{
    return list[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// A rule that only repeats every so many days or weeks from its start, on the start's weekday.
bool plainRule(const icalrecurrencetype &rule, icaltimetype start)
{
    const bool weekly = rule.freq == ICAL_WEEKLY_RECURRENCE;
    const bool startDay = onlyListed(rule.by_day) ||
                          (weekly && rule.by_day[1] == ICAL_RECURRENCE_ARRAY_MAX &&
                           icalrecurrencetype_day_position(rule.by_day[0]) == 0 &&
                           static_cast<int>(icalrecurrencetype_day_day_of_week(rule.by_day[0])) == icaltime_day_of_week(start));
    return (weekly || rule.freq == ICAL_DAILY_RECURRENCE) && !rule.rscale && rule.interval >= 1 && startDay &&
           onlyListed(rule.by_second) && onlyListed(rule.by_minute) && onlyListed(rule.by_hour) &&
           onlyListed(rule.by_month_day) && onlyListed(rule.by_year_day) && onlyListed(rule.by_week_no) &&
           onlyListed(rule.by_month) && onlyListed(rule.by_set_pos);
}

// The starts of a rule's occurrences up to `last`, from `from` on where that saves steps. A plain
// daily or weekly rule is counted out here: the library's steps cost far more, one calendar each.
Result<QList<QDateTime>> ruleStarts(icaltimetype start, const icalrecurrencetype &rule, QDate from, QDate last)
{
    QList<QDateTime> starts;
    const bool untilSet = !icaltime_is_null_time(rule.until);
    if (plainRule(rule, start)) {
        const int period = rule.interval * (rule.freq == ICAL_WEEKLY_RECURRENCE ? 7 : 1);
        const qint64 skip = std::max<qint64>(0, QDate(start.year, start.month, start.day).daysTo(from) / period);
        for (qint64 k = rule.count > 0 ? 0 : skip; rule.count <= 0 || k < rule.count; ++k) {
            icaltimetype next = start;
            icaltime_adjust(&next, static_cast<int>(k * period), 0, 0, 0);
            if (untilSet && icaltime_compare(next, rule.until) > 0)
                break;
            const QDateTime at = localTime(next);
            if (at.date() > last)
                break;
            if (at.date() >= from)
                starts << at;
            if (k > kMostSteps)
                return fail({}, u"repeats too often to be shown"_s);
        }
        return starts;
    }
    icalrecur_iterator *steps = icalrecur_iterator_new(rule, fastForward(start, rule, from));
    if (!steps)
        return fail({}, u"has a recurrence that cannot be read"_s);
    int taken = 0;
    for (icaltimetype next = icalrecur_iterator_next(steps); !icaltime_is_null_time(next);
         next = icalrecur_iterator_next(steps)) {
        next.zone = start.zone;
        const QDateTime at = localTime(next);
        if (at.date() > last)
            break;
        if (++taken > kMostSteps) {
            icalrecur_iterator_free(steps);
            return fail({}, u"repeats too often to be shown"_s);
        }
        starts << at;
    }
    icalrecur_iterator_free(steps);
    return starts;
}

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
    const Result<QList<QDateTime>> starts =
        ruleStarts(start, icalproperty_get_rrule(rule), out.first().addDays(-std::max<qint64>(length / 86400, 0) - 1), out.last());
    if (!starts)
        return fail({}, u"the event \"%1\" %2"_s.arg(summary, starts.error().reason()));
    for (const QDateTime &at : *starts)
        if (at.addSecs(length).date() >= out.first() && !skip.contains(at.toSecsSinceEpoch()))
            occurrence(at);
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
    // A large calendar mostly holds other days: those events are left out before the library reads it.
    const QByteArray near = text.size() > 64 * 1024 ? eventsNear(text, first, last) : text;
    const Component root(icalparser_parse_string(near.constData()));
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
    if (out.tooMany())
        return fail({}, u"it has more than %1 days of events in the days shown"_s.arg(kMostOccurrences));
    sortEvents(out.events());
    return out.events();
}

} // namespace marvane
