#pragma once

#include "events/CalendarSources.h"

#include <chrono>

namespace marvane {

// What the calendar module, pendrel-calendars.so, offers the program: reading the sources (with
// libical) and fetching the addresses (with Qt Network). Only a run that has calendars loads it,
// so that every other start maps neither library.
struct CalendarReading
{
    CalendarSources::Read (*read)(const QString &setting, const QString &cacheDirectory, QDate first, QDate last);
    QList<Failure> (*fetch)(const QString &setting, const QString &cacheDirectory, std::chrono::seconds maxAge);
};

// The module's one entry point, a function returning its CalendarReading.
inline constexpr char kCalendarReadingEntry[] = "marvaneCalendarReading";

} // namespace marvane
