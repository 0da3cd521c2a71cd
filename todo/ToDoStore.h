#pragma once

#include "ini/IniStrings.h"
#include "platform/Clock.h"
#include "platform/Result.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace marvane {

// Up to twelve one-line items per date in todolist.ini, one section per date ("2020-5-17"), keys
// TODO1..TODO12. Holds nothing in memory: every read goes to the file, every write changes it.
class ToDoStore
{
public:
    ToDoStore(QString file, const Clock &clock) : m_file(std::move(file)), m_clock(clock) {}

    static QString fileIn(const QString &applicationDirectory);
    static QString dateKey(int year, int month, int day);
    static QString dateKey(QDate date) { return dateKey(date.year(), date.month(), date.day()); }

    static constexpr int kItems = 12;
    // The longest item the editor and the command line take; a longer one stored by hand stays.
    static constexpr int kItemLength = 50;
    using Items = std::array<QString, kItems>;
    // A date's items, for the days after today.
    struct DayItems
    {
        QDate date;
        Items items;
        bool operator==(const DayItems &) const = default;
    };

    // All of today's items from one read of the file. A file that cannot be read gives no items
    // and, the first time, one line on standard error.
    Items todayItems() const;
    // All twelve items of a date from one read of the file, none when it cannot be read.
    Items items(const QString &dateKey) const;
    // Stores all twelve items of the date, each without its outer spaces (an empty one deletes its
    // key), in one replacement of the file.
    Result<> setItems(const QString &dateKey, const Items &items) const;
    // What one picture shows, from one read of the file: today's items, the `aheadDays` days after
    // today that have items, in date order, and where `markMonth` is a date, the days of its month
    // that have items, as bits (day d is bit d). A file that cannot be read gives none and, the
    // first time, one line on standard error.
    struct Glance
    {
        Items today;
        QList<DayItems> ahead;
        std::uint32_t marked = 0;
    };
    Glance glance(int aheadDays = 0, QDate markMonth = {}) const;

    // The items of `count` days from `from` on (itself included) that have any, in date order,
    // from one read; why not when the file cannot be read.
    Result<QList<DayItems>> days(QDate from, int count) const;
    // Stores item `n` (1 to 12) of the date alone, in one replacement of the file.
    Result<> setItem(const QString &dateKey, int n, const QString &text) const;

    const QString &file() const { return m_file; }

private:
    QString m_file;
    const Clock &m_clock;
    mutable QString m_toldError; // said once, not at every refresh
};

} // namespace marvane
