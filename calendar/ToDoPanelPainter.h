#pragma once

#include "calendar/Canvas.h"
#include "calendar/LengthScale.h"
#include "calendar/Palette.h"
#include "platform/LocaleNames.h"
#include "settings/Options.h"
#include "events/CalendarEvent.h"
#include "todo/ToDoStore.h"

#include <QRect>
#include <QString>


namespace marvane {

// Where the panel goes on a picture of `screen` size at `scale`: near the right edge, or where that
// would cover the calendar's box, 40 units below or above the box, its left edge on the box's.
QRect toDoPanelBox(const Options &options, QSize screen, LengthScale scale);

// Paints today's items in a ruled panel at toDoPanelBox on the canvas paintCalendar sized to the
// screen at `scale`, in the font it left behind. Paints nothing when showToDoList is off.
// With `ahead` (the days after today that have items) the panel lists today's items that are
// set, then each such day under a short heading in the language of `names`, as many lines as it
// holds, the last saying how many items are left out.
// Events from the user's calendars come first on their days, in the event colour.
void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, LengthScale scale,
                    const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead = {},
                    const LocaleNames *names = nullptr, const QList<CalendarEvent> &events = {}, QDate today = {});

// One line of what the panel lists, and what it holds.
struct PanelLine
{
    QString text;
    enum Kind { Item, Heading, Event, More } kind = Item;
};
// Every line for today and the days after it, without a bound: today's events (with their start
// time in the user's form), today's set items by number, then each later day that has events or
// items under its heading.
QList<PanelLine> agendaLines(const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead,
                             const QList<CalendarEvent> &events, QDate today, const LocaleNames &names);
// The line over a later day's items: its short weekday, day and month in the order the user's
// language writes them ("Fri 11 Dec", "Fr. 11. Dez.").
QString dayHeading(const QDate &date, const LocaleNames &names);
// The panel's twelve lines.
QList<PanelLine> toDoPanelLines(const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead,
                                const LocaleNames *names, const QList<CalendarEvent> &events = {}, QDate today = {});

} // namespace marvane
