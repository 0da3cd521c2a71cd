#include "app/ItemCommands.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// More days than a list of the year ahead needs; a date moved further is refused, not wrapped.
constexpr int kMostDays = 366;
constexpr int kFurthest = 36500;

struct Parsed
{
    QString command;
    QDate date;
    int days = 1;
    QStringList words; // what is left once the options are taken
};

std::optional<QDate> dateFrom(const QString &text, QDate today)
{
    if (text == u"today"_s)
        return today;
    if (text == u"tomorrow"_s)
        return today.addDays(1);
    static const QRegularExpression ahead(u"^\\+(\\d{1,5})$"_s);
    if (const auto m = ahead.match(text); m.hasMatch() && m.captured(1).toInt() <= kFurthest)
        return today.addDays(m.captured(1).toInt());
    static const QRegularExpression iso(u"^\\d{4}-\\d{2}-\\d{2}$"_s);
    const QDate date = QDate::fromString(text, u"yyyy-MM-dd"_s);
    if (iso.match(text).hasMatch() && date.isValid())
        return date;
    return std::nullopt;
}

Result<Parsed> parse(const QStringList &arguments, QDate today)
{
    Parsed p{arguments.value(0), today, 1, {}};
    bool options = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (options && a == u"--"_s) {
            options = false;
            continue;
        }
        if (!options || !a.startsWith(u"--"_s)) {
            p.words << a;
            continue;
        }
        const bool takesValue = a == u"--date"_s || (a == u"--days"_s && p.command == u"list"_s);
        if (!takesValue)
            return fail(p.command, u"%1: unknown option %2"_s.arg(p.command, a));
        if (++i == arguments.size())
            return fail(p.command, u"%1: %2 needs a value"_s.arg(p.command, a));
        const QString &value = arguments[i];
        if (a == u"--date"_s) {
            const std::optional<QDate> date = dateFrom(value, today);
            if (!date)
                return fail(p.command, u"%1: \"%2\" is not a date (YYYY-MM-DD, today, tomorrow or +N)"_s.arg(p.command, value));
            p.date = *date;
        } else {
            bool number = false;
            p.days = value.toInt(&number);
            if (!number || p.days < 1 || p.days > kMostDays)
                return fail(p.command, u"list: \"%1\" is not a number of days from 1 to %2"_s.arg(value).arg(kMostDays));
        }
    }
    return p;
}

QString dayName(QDate date)
{
    return date.toString(u"yyyy-MM-dd"_s);
}

Result<ItemCommandAnswer> add(const Parsed &p, const ToDoStore &store)
{
    const QString text = p.words.join(u' ').trimmed();
    if (text.isEmpty())
        return fail(u"add"_s, u"add: say what to add, as in: pendrel add Buy milk"_s);
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; }))
        return fail(u"add"_s, u"add: an item is one line, without control characters"_s);
    if (text.size() > ToDoStore::kItemLength)
        return fail(u"add"_s, u"add: the item has %1 characters; at most %2 fit"_s.arg(text.size()).arg(ToDoStore::kItemLength));
    const Result<QList<ToDoStore::DayItems>> read = store.days(p.date, 1);
    if (!read)
        return std::unexpected(read.error());
    const ToDoStore::Items items = read->isEmpty() ? ToDoStore::Items() : read->first().items;
    const auto free = std::find_if(items.begin(), items.end(), [](const QString &item) { return item.isEmpty(); });
    if (free == items.end())
        return fail(u"add"_s, u"add: all %1 items of %2 are in use"_s.arg(ToDoStore::kItems).arg(dayName(p.date)));
    const int n = static_cast<int>(free - items.begin()) + 1;
    if (const Result<> saved = store.setItem(ToDoStore::dateKey(p.date), n, text); !saved)
        return std::unexpected(saved.error());
    return ItemCommandAnswer{u"Added item %1 to %2: %3\n"_s.arg(n).arg(dayName(p.date), text), true};
}

Result<ItemCommandAnswer> list(const Parsed &p, const ToDoStore &store)
{
    if (!p.words.isEmpty())
        return fail(u"list"_s, u"list: unexpected \"%1\""_s.arg(p.words.first()));
    const Result<QList<ToDoStore::DayItems>> read = store.days(p.date, p.days);
    if (!read)
        return std::unexpected(read.error());
    QString text;
    for (const ToDoStore::DayItems &day : *read) {
        text += dayName(day.date) + u' ' + QLocale::c().dayName(day.date.dayOfWeek(), QLocale::ShortFormat) + u'\n';
        for (int n = 1; n <= ToDoStore::kItems; ++n)
            if (const QString &item = day.items[static_cast<std::size_t>(n - 1)]; !item.isEmpty())
                text += u"  %1. %2\n"_s.arg(n).arg(item);
    }
    if (text.isEmpty())
        text = p.days == 1 ? u"No items for %1.\n"_s.arg(dayName(p.date))
                           : u"No items from %1 to %2.\n"_s.arg(dayName(p.date), dayName(p.date.addDays(p.days - 1)));
    return ItemCommandAnswer{text, false};
}

Result<ItemCommandAnswer> remove(const Parsed &p, const ToDoStore &store)
{
    bool number = false;
    const int n = p.words.size() == 1 ? p.words.first().toInt(&number) : 0;
    if (p.words.size() != 1)
        return fail(u"remove"_s, u"remove: say which item, as in: pendrel remove --date 2026-12-24 3"_s);
    if (!number || n < 1 || n > ToDoStore::kItems)
        return fail(u"remove"_s, u"remove: \"%1\" is not an item number from 1 to %2"_s.arg(p.words.first()).arg(ToDoStore::kItems));
    const Result<QList<ToDoStore::DayItems>> read = store.days(p.date, 1);
    if (!read)
        return std::unexpected(read.error());
    const QString item = read->isEmpty() ? QString() : read->first().items[static_cast<std::size_t>(n - 1)];
    if (item.isEmpty())
        return fail(u"remove"_s, u"remove: item %1 of %2 is empty"_s.arg(n).arg(dayName(p.date)));
    if (const Result<> saved = store.setItem(ToDoStore::dateKey(p.date), n, QString()); !saved)
        return std::unexpected(saved.error());
    return ItemCommandAnswer{u"Removed item %1 of %2: %3\n"_s.arg(n).arg(dayName(p.date), item), true};
}

} // namespace

bool ItemCommands::isItemCommand(const QStringList &arguments)
{
    const QString first = arguments.value(0);
    return first == u"add"_s || first == u"list"_s || first == u"remove"_s;
}

Result<ItemCommandAnswer> ItemCommands::run(const QStringList &arguments, const ToDoStore &store, QDate today)
{
    const Result<Parsed> parsed = parse(arguments, today);
    if (!parsed)
        return std::unexpected(parsed.error());
    if (parsed->command == u"add"_s)
        return add(*parsed, store);
    if (parsed->command == u"list"_s)
        return list(*parsed, store);
    return remove(*parsed, store);
}

} // namespace marvane
