#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

namespace marvane {

// One day of an event (or of a to-do with a due date) from the user's calendars, in local time.
struct CalendarEvent
{
    QDate date;
    QTime start; // invalid for a whole day: all-day events and the later days of a long one
    QString summary;

    friend bool operator==(const CalendarEvent &, const CalendarEvent &) = default;
};

// In date order, then whole days first, then by start time.
void sortEvents(QList<CalendarEvent> &events);

} // namespace marvane
