#pragma once

#include "app/BackgroundLoader.h"
#include "app/MainWindowServices.h"
#include "app/Message.h"
#include "calendar/Canvas.h"
#include "calendar/LengthScale.h"
#include "settings/Options.h"
#include "events/CalendarEvent.h"
#include "events/CalendarLoader.h"
#include "todo/ToDoStore.h"

#include <QDate>
#include <QSize>

#include <chrono>
#include <optional>

namespace marvane {

// One picture from the settings to the wallpaper, for the window and the silent run alike. It
// owns the settings record, the background picture, the canvas and the to-do store; the two
// starts differ only in what they do with a failure.
class PictureJob
{
public:
    // What a picture depends on besides the settings.
    struct Inputs
    {
        int year = 0;
        int month = 0;
        QDate today;
        QSize screen;
        double scale = 1.0;
        ToDoStore::Items items;
        std::uint32_t daysWithItems = 0;
        QList<ToDoStore::DayItems> daysAhead = {};
        QList<CalendarEvent> events = {}; // on the days the panel lists
        bool operator==(const Inputs &) const = default;
    };

    explicit PictureJob(const MainWindowServices &services);

    Options &options() { return m_options; }
    const Options &options() const { return m_options; }
    Canvas &canvas() { return m_canvas; }
    // The scale the canvas was last painted at.
    LengthScale calendarScale() const { return m_calendarScale; }
    // Why the last paint went without the background picture, if it did.
    const std::optional<Failure> &backgroundFailure() const { return m_backgroundFailure; }

    void loadOptions();
    // The month given, with the date, the screen and today's items as they are now.
    // The user's calendars are read too unless `withEvents` is false.
    Inputs inputs(int year, int month, bool withEvents = true) const;
    // Paints `inputs`; a failure when the picture could not be painted whole.
    Result<> paint(const Inputs &inputs);
    // Whether the canvas holds a whole picture of `inputs`, painted with the settings as they are.
    bool holds(const Inputs &inputs) const { return m_painted && *m_painted == inputs; }
    // Sets the painted picture as the wallpaper; the failure told as the user reads it.
    Result<> install();
    // Brings the copies of the calendar addresses up to date where they are older than `maxAge`
    // (all at zero).
    void fetchCalendars(std::chrono::seconds maxAge) const;
    // The calendars that could not be read or fetched since the last call, each told once.
    QList<Failure> takeCalendarProblems();

    // Why a picture that could not be painted whole did not become the wallpaper.
    static Message notInstalledMessage(const QString &reason);

private:
    // The events of the user's calendars on the days the picture shows.
    void addEvents(Inputs &in) const;

    const MainWindowServices &m_services;
    Options m_options;
    BackgroundLoader m_background;
    std::optional<Failure> m_backgroundFailure;
    Canvas m_canvas;
    ToDoStore m_store;
    LengthScale m_calendarScale;
    std::optional<Inputs> m_painted; // what the canvas holds, when it holds a whole picture
    mutable QStringList m_toldCalendars; // said once, not at every refresh
    mutable QList<Failure> m_calendarProblems;
    mutable CalendarLoader m_calendarModules;
};

} // namespace marvane
