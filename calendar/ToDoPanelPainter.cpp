#include "calendar/ToDoPanelPainter.h"

#include "calendar/CalendarPainter.h"

#include <QCoreApplication>

namespace marvane {

QRect toDoPanelBox(const Options &options, QSize screen, LengthScale scale)
{
    const auto s = [scale](int units) { return static_cast<int>(scale.length(units)); };
    const QRect fixed(screen.width() - s(410), s(300), s(400), s(300));
    const QRect box = calendarBox(options, screen, scale);
    if (!fixed.intersects(box))
        return fixed;
    // Beside the box in its column: below a top corner's box, above a bottom corner's.
    const bool bottom = calendarCorner(options) >= 2;
    return QRect(box.left(), bottom ? box.top() - s(40) - fixed.height() : box.bottom() + 1 + s(40), fixed.width(),
                 fixed.height());
}

QString dayHeading(const QDate &date, const LocaleNames &names)
{
    return names.locale().toString(date, QCoreApplication::translate("ToDoPanelPainter", "ddd d MMM"));
}

QStringList toDoPanelLines(const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead,
                           const LocaleNames *names)
{
    QStringList lines;
    if (ahead.isEmpty() || !names) {
        for (int i = 1; i <= ToDoStore::kItems; ++i)
            lines << QString::number(i) + QStringLiteral(". ") + items[static_cast<std::size_t>(i - 1)];
        return lines;
    }
    int left = 0; // items that found no line
    QList<bool> holdsItem;
    const auto add = [&](const QString &line, bool item) {
        if (lines.size() < ToDoStore::kItems) {
            lines << line;
            holdsItem << item;
        } else {
            left += item;
        }
    };
    for (int i = 1; i <= ToDoStore::kItems; ++i)
        if (!items[static_cast<std::size_t>(i - 1)].isEmpty())
            add(QString::number(i) + QStringLiteral(". ") + items[static_cast<std::size_t>(i - 1)], true);
    for (const ToDoStore::DayItems &day : ahead) {
        // A heading with nothing under it on the panel counts as left out too.
        add(dayHeading(day.date, *names), false);
        for (const QString &item : day.items)
            if (!item.isEmpty())
                add(QStringLiteral("   ") + item, true);
    }
    if (left > 0) {
        // The last line gives way to the count, which includes the item it held.
        left += holdsItem.last();
        lines.removeLast();
        lines << QCoreApplication::translate("ToDoPanelPainter", "+%1 more").arg(left);
    }
    while (lines.size() < ToDoStore::kItems)
        lines << QString();
    return lines;
}

void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, LengthScale scale,
                    const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead, const LocaleNames *names)
{
    if (!options.showToDoList)
        return;
    // The screen's size as the calendar was painted for it: asking the screen again costs a round
    // trip to the display and could answer differently.
    const QRect panel = toDoPanelBox(options, canvas.size(), scale);
    const std::int32_t left = panel.left();
    const std::int32_t top = panel.top();
    const auto x = [&](std::int32_t units) { return left + static_cast<std::int32_t>(scale.length(units)); };
    const auto y = [&](std::int32_t units) { return top + static_cast<std::int32_t>(scale.length(units)); };

    canvas.fillBox(left, top, left + panel.width(), top + panel.height(), palette.toDoBack);
    const std::int32_t width = scale.lineWidth();
    for (int i = 1; i <= 13; ++i)
        canvas.fillBox(x(10), y(10 + 21 * i), x(390), y(10 + 21 * i) + width, palette.greyText);

    const QStringList lines = toDoPanelLines(items, ahead, names);
    const bool classic = ahead.isEmpty() || !names;
    for (std::int16_t i = 0; i <= 12; ++i) {
        canvas.setForeColor(palette.toDoBack);
        // One- and two-digit numbers start 8 units apart so the full stops line up.
        const bool oneDigit = lines.value(i - 1).indexOf(u'.') == 1;
        canvas.plot(x(i == 0 ? 10 : (classic ? i <= 9 : oneDigit) ? 28 : 20), y(16 + 21 * i));
        canvas.setForeColor(palette.toDoText);
        if (i == 0)
            canvas.printText(QCoreApplication::translate("ToDoPanelPainter", "To Do List:"));
        else
            canvas.printText(lines[i - 1], left + panel.width());
    }
}

} // namespace marvane
