#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>

namespace marvane {

// An iCalendar text as the library is to read it, without the events that plainly fall outside
// `first` to `last` (a day of margin each way for zones): those that do not repeat and start after
// the last day, or end before the first; and without the parts of the other events that the
// reading never asks for (their descriptions, attendees, alarms and the like, and their UIDs in a
// calendar that moves no occurrence). In a large text of one calendar its events are kept apart
// from the rest, so that they are read a few hundred at a time with its zones; the occurrences
// moved by a RECURRENCE-ID stay with the rest, read first.
struct IcsParts
{
    QByteArray frame;       // everything else, in its order: the calendar, zones, to-dos
    QByteArray zones;       // the frame's VTIMEZONE blocks
    QByteArray events;      // the events kept apart, one after another
    QList<qsizetype> ends;  // where each of them ends in `events`
};
IcsParts eventsNear(const QByteArray &text, QDate first, QDate last);

} // namespace marvane
