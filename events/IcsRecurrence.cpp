#include "events/IcsRecurrence.h"

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// Steps a recurrence may take from its start to past the days shown: years of a daily event,
// not the seconds of one that never ends.
constexpr int kMostSteps = 200000;

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

} // namespace

// A plain daily or weekly rule is counted out here: the library's steps cost far more, one
// calendar each.

Result<QList<Moment>> ruleStarts(icaltimetype start, const icalrecurrencetype &rule, QDate from, QDate last,
                                 const LocalClock &clock)
{
    QList<Moment> starts;
    const bool untilSet = !icaltime_is_null_time(rule.until);
    if (plainRule(rule, start)) {
        const int period = rule.interval * (rule.freq == ICAL_WEEKLY_RECURRENCE ? 7 : 1);
        const qint64 skip = std::max<qint64>(0, QDate(start.year, start.month, start.day).daysTo(from) / period);
        icaltimetype next = start;
        qint64 k = rule.count > 0 ? 0 : skip;
        icaltime_adjust(&next, static_cast<int>(k * period), 0, 0, 0);
        for (; rule.count <= 0 || k < rule.count; ++k, icaltime_adjust(&next, period, 0, 0, 0)) {
            if (untilSet && icaltime_compare(next, rule.until) > 0)
                break;
            const Moment at = momentOf(next, clock);
            if (at.wall.date() > last)
                break;
            if (at.wall.date() >= from)
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
        const Moment at = momentOf(next, clock);
        if (at.wall.date() > last)
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

} // namespace marvane
