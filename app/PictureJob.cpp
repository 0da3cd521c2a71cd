#include "app/PictureJob.h"

#include "calendar/WallpaperPainter.h"
#include "events/CalendarSources.h"
#include "platform/AppPaths.h"
#include "platform/StandardError.h"
#include "platform/SystemColors.h"
#include "settings/OptionsFile.h"

#include <algorithm>
#include <utility>

namespace marvane {

namespace {

// Where the copies of calendar addresses are kept.
QString calendarCache()
{
    return AppPaths::cacheHome() + QStringLiteral("/marvane");
}

} // namespace

PictureJob::PictureJob(const MainWindowServices &services)
    : m_services(services), m_background(services.settingsDirectory),
      m_store(ToDoStore::fileIn(services.settingsDirectory), services.clock)
{
}

void PictureJob::loadOptions()
{
    OptionsFile::load(m_options, OptionsFile::path(m_services.settingsDirectory));
}

void PictureJob::addEvents(Inputs &in) const
{
    if (m_options.calendars.trimmed().isEmpty())
        return;
    // The days the panel lists, read as whole months from today's on, so that a large calendar's
    // kept expansion serves every day of the month; and for the marks, the month shown.
    const QDate lastListed = in.today.addDays(std::max(m_options.agendaDays, 1) - 1);
    const auto monthEnd = [](QDate day) { return QDate(day.year(), day.month(), 1).addMonths(1).addDays(-1); };
    const QDate first(in.today.year(), in.today.month(), 1);
    const QDate last = monthEnd(lastListed);
    const QDate monthStart(in.year, in.month, 1);
    const bool marks = m_options.markDays == 1 && monthStart.isValid();
    const Result<const CalendarReading *> module = m_calendarModules.reading();
    CalendarSources::Read read;
    if (!module)
        read.problems << module.error();
    else
        read = (*module)->read(m_options.calendars, calendarCache(), first, last);
    if (module && marks && (monthStart < first || monthStart > last)) {
        CalendarSources::Read shown = (*module)->read(m_options.calendars, calendarCache(), monthStart, monthEnd(monthStart));
        read.events += shown.events;
        read.problems += shown.problems;
    }
    for (const Failure &problem : read.problems)
        if (!m_toldCalendars.contains(problem.message())) {
            m_toldCalendars << problem.message();
            m_calendarProblems << problem;
        }
    for (const CalendarEvent &event : read.events) {
        if (m_options.showToDoList && event.date >= in.today && event.date <= lastListed)
            in.events << event;
        if (marks && event.date.year() == in.year && event.date.month() == in.month)
            in.daysWithItems |= 1u << event.date.day();
    }
}

void PictureJob::fetchCalendars(std::chrono::seconds maxAge) const
{
    const QStringList sources = CalendarSources::split(m_options.calendars);
    if (std::none_of(sources.cbegin(), sources.cend(), &CalendarSources::isAddress))
        return;
    const Result<const CalendarFetching *> module = m_calendarModules.fetching();
    if (!module)
        m_calendarProblems << module.error();
    else
        m_calendarProblems += (*module)->fetch(m_options.calendars, calendarCache(), maxAge);
}

QList<Failure> PictureJob::takeCalendarProblems()
{
    return std::exchange(m_calendarProblems, {});
}

PictureJob::Inputs PictureJob::inputs(int year, int month, bool withEvents) const
{
    Inputs in{year, month, m_services.clock.today(), m_services.screen.pixelSize(), m_services.screen.scale(), {}};
    if (withEvents)
        addEvents(in);
    // Read only when the picture shows them, and then once for all.
    if (!m_options.showToDoList && m_options.markDays != 1)
        return in;
    const int ahead = m_options.showToDoList && m_options.agendaDays > 1 ? m_options.agendaDays - 1 : 0;
    const ToDoStore::Glance seen = m_store.glance(ahead, m_options.markDays == 1 ? QDate(year, month, 1) : QDate());
    if (m_options.showToDoList)
        in.items = seen.today;
    in.daysAhead = seen.ahead;
    in.daysWithItems |= seen.marked;
    return in;
}

Result<> PictureJob::paint(const Inputs &in)
{
    // A picture that cannot be read leaves the desktop colour: the calendar itself is whole.
    const Result<const BackgroundPicture *> background = m_background.picture(m_options, in.screen);
    m_backgroundFailure = background ? std::nullopt : std::optional<Failure>(background.error());
    m_calendarScale = LengthScale::of(m_options, in.scale);
    const RenderContext context{m_services.clock, m_services.screen, m_services.names, background.value_or(nullptr),
                                in.scale, in.daysWithItems, in.daysAhead, in.events};
    const Result<> painted = paintWallpaper(m_canvas, m_options, context, in.items, static_cast<std::int16_t>(in.year),
                                            static_cast<std::int16_t>(in.month));
    m_painted.reset();
    if (painted) {
        m_painted = in;
        // The size the picture was painted at, should the screen have changed meanwhile.
        m_painted->screen = m_canvas.size();
    }
    return painted;
}

Result<> PictureJob::install()
{
    const Result<> installed =
        m_services.installWallpaper(m_canvas.image(), SystemColors::resolve(m_options.desktopColor));
    if (!installed)
        return fail({}, installed.error().message());
    return {};
}

Message PictureJob::notInstalledMessage(const QString &reason)
{
    return Message::of("PictureUpdate", QT_TRANSLATE_NOOP("PictureUpdate", "The wallpaper was not changed: the "
                                                                          "picture could not be painted (%1)."))
        .arg(reason);
}

} // namespace marvane
