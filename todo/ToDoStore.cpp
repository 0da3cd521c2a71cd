#include "todo/ToDoStore.h"

#include "platform/AppPaths.h"
#include "ini/IniStrings.h"
#include "platform/StandardError.h"

#include <algorithm>

namespace marvane {

namespace {

QString keyName(std::int16_t n)
{
    return QStringLiteral("TODO") + QString::number(n);
}

// TODO1 to TODO12, in the order of the day's lines.
const QStringList &itemKeys()
{
    static const QStringList keys = [] {
        QStringList k;
        for (int n = 1; n <= ToDoStore::kItems; ++n)
            k << keyName(static_cast<std::int16_t>(n));
        return k;
    }();
    return keys;
}

} // namespace

QString ToDoStore::fileIn(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("todolist.ini"));
}

QString ToDoStore::dateKey(int year, int month, int day)
{
    return QStringLiteral("%1-%2-%3").arg(year).arg(month).arg(day);
}

namespace {

// NULs are no text in any encoding read: a binary file, or UTF-16 without its mark.
Result<FileContents> readText(const QString &file)
{
    Result<FileContents> read = ini::readFile(file);
    if (read && read->view().find('\0') != std::string_view::npos)
        return fail(file, QStringLiteral("%1 is not a text file").arg(file));
    return read;
}

} // namespace

ToDoStore::Items ToDoStore::todayItems() const
{
    return items(dateKey(m_clock.today()));
}

ToDoStore::Items ToDoStore::items(const QString &section) const
{
    Items items;
    const Result<FileContents> text = readText(m_file);
    if (!text) {
        const QString told = text.error().message();
        if (told != m_toldError)
            printError(told);
        m_toldError = told;
        return items;
    }
    const QStringList values = ini::lookupStrings(text->view(), section, itemKeys());
    std::copy(values.begin(), values.end(), items.begin());
    return items;
}

std::uint32_t ToDoStore::daysWithItems(int year, int month) const
{
    const Result<FileContents> text = readText(m_file);
    std::uint32_t days = 0;
    if (!text)
        return days;
    for (int day = 1; day <= 31; ++day)
        for (const QString &item : ini::lookupStrings(text->view(), dateKey(year, month, day), itemKeys()))
            if (!item.isEmpty()) {
                days |= 1u << day;
                break;
            }
    return days;
}

Result<QList<ToDoStore::DayItems>> ToDoStore::days(QDate from, int count) const
{
    const Result<FileContents> text = readText(m_file);
    if (!text)
        return std::unexpected(text.error());
    QList<DayItems> days;
    for (int ahead = 0; ahead < count; ++ahead) {
        const QDate date = from.addDays(ahead);
        const QStringList values = ini::lookupStrings(text->view(), dateKey(date), itemKeys());
        if (std::all_of(values.begin(), values.end(), [](const QString &v) { return v.isEmpty(); }))
            continue;
        DayItems day{date, {}};
        std::copy(values.begin(), values.end(), day.items.begin());
        days << day;
    }
    return days;
}

QList<ToDoStore::DayItems> ToDoStore::itemsAhead(QDate from, int count) const
{
    return days(from.addDays(1), count).value_or(QList<DayItems>());
}

Result<> ToDoStore::setItem(const QString &dateKey, int n, const QString &text) const
{
    if (const Result<FileContents> read = readText(m_file); !read)
        return std::unexpected(read.error());
    return ini::writeStrings({{dateKey, itemKeys()[n - 1], text}}, m_file);
}

Result<> ToDoStore::setItems(const QString &dateKey, const Items &items) const
{
    // Written into, such a file would be damaged for good.
    if (const Result<FileContents> text = readText(m_file); !text)
        return std::unexpected(text.error());
    QList<ini::Entry> entries;
    for (int n = 0; n < kItems; ++n)
        entries.append({dateKey, itemKeys()[n], items[static_cast<std::size_t>(n)]});
    return ini::writeStrings(entries, m_file);
}

} // namespace marvane
