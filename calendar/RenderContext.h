#pragma once

#include "platform/Clock.h"
#include "platform/LocaleNames.h"
#include "platform/Screen.h"
#include "events/CalendarEvent.h"
#include "todo/ToDoStore.h"

#include <QList>

#include <cstdint>

namespace marvane {

class BackgroundPicture;

// What the painters ask of the system: today's date, the screen's size and the locale's names;
// the user's picture under the calendar, read before, where there is one; and the display's scale,
// which the calendar follows unless the user chose its size.
struct RenderContext
{
    const Clock &clock;
    const Screen &screen;
    const LocaleNames &names;
    const BackgroundPicture *background = nullptr;
    double displayScale = 1.0;
    // Bit d set: day d of the month shown has to-do items (asked only when days are marked).
    std::uint32_t daysWithItems = 0;
    // The days after today that have items, for the panel (asked only when it lists days ahead).
    QList<ToDoStore::DayItems> daysAhead = {};
    // Events from the user's calendars on the days the panel lists, in date and time order.
    QList<CalendarEvent> events = {};
};

} // namespace marvane
