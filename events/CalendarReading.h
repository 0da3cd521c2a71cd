#pragma once

#include "events/CalendarSources.h"

#include <chrono>

namespace marvane {

// What the calendar modules offer the program: pendrel-calendars.so reads the sources (with
// libical), pendrel-fetch.so fetches the addresses (with Qt Network). A run loads one only when
// its calendars need it, so that every other start maps neither library.
struct CalendarReading
{
    CalendarSources::Read (*read)(const QString &setting, const QString &cacheDirectory, QDate first, QDate last);
};

struct CalendarFetching
{
    QList<Failure> (*fetch)(const QString &setting, const QString &cacheDirectory, std::chrono::seconds maxAge);
};

// Each module's one entry point, a function returning what it offers.
inline constexpr char kCalendarReadingEntry[] = "marvaneCalendarReading";
inline constexpr char kCalendarFetchingEntry[] = "marvaneCalendarFetching";

} // namespace marvane
