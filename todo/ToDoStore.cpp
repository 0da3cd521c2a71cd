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
    return glance().today;
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

namespace {

bool anyItem(const QStringList &values)
{
    return std::any_of(values.begin(), values.end(), [](const QString &v) { return !v.isEmpty(); });
}

} // namespace

ToDoStore::Glance ToDoStore::glance(int aheadDays, QDate markMonth) const
{
    Glance seen;
    const Result<FileContents> text = readText(m_file);
    if (!text) {
        if (const QString told = text.error().message(); told != m_toldError)
            printError(told);
        m_toldError = text.error().message();
        return seen;
    }
    // Today, the days ahead and the month's days, all from one pass over the file.
    const QDate today = m_clock.today();
    QStringList sections{dateKey(today)};
    for (int ahead = 1; ahead <= aheadDays; ++ahead)
        sections << dateKey(today.addDays(ahead));
    const int monthDays = markMonth.isValid() ? markMonth.daysInMonth() : 0;
    for (int day = 1; day <= monthDays; ++day)
        sections << dateKey(markMonth.year(), markMonth.month(), day);
    const QList<QStringList> found = ini::lookupSections(text->view(), sections, itemKeys());
    std::copy(found[0].begin(), found[0].end(), seen.today.begin());
    for (int ahead = 1; ahead <= aheadDays; ++ahead)
        if (anyItem(found[ahead])) {
            DayItems day{today.addDays(ahead), {}};
            std::copy(found[ahead].begin(), found[ahead].end(), day.items.begin());
            seen.ahead << day;
        }
    for (int day = 1; day <= monthDays; ++day)
        if (anyItem(found[aheadDays + day]))
            seen.marked |= 1u << day;
    return seen;
}

Result<QList<ToDoStore::DayItems>> ToDoStore::days(QDate from, int count) const
{
    const Result<FileContents> text = readText(m_file);
    if (!text)
        return std::unexpected(text.error());
    QStringList sections;
    for (int ahead = 0; ahead < count; ++ahead)
        sections << dateKey(from.addDays(ahead));
    const QList<QStringList> found = ini::lookupSections(text->view(), sections, itemKeys());
    QList<DayItems> days;
    for (int ahead = 0; ahead < count; ++ahead) {
        if (!anyItem(found[ahead]))
            continue;
        DayItems day{from.addDays(ahead), {}};
        std::copy(found[ahead].begin(), found[ahead].end(), day.items.begin());
        days << day;
    }
    return days;
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
