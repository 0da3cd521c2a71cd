#pragma once

#include <QByteArray>
#include <QDate>

namespace marvane {

// The iCalendar text without the events that plainly fall outside `first` to `last` (a day of
// margin each way for zones): those that do not repeat and start after the last day, or end before
// the first; and without the parts of the other events that the reading never asks for (their
// descriptions, attendees, alarms and the like). Every zone and to-do stays as it was. A large
// calendar is read by the library in a fraction of the time.
QByteArray eventsNear(const QByteArray &text, QDate first, QDate last);

} // namespace marvane
