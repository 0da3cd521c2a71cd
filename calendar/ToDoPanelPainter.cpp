#include "calendar/ToDoPanelPainter.h"

#include "calendar/CalendarPainter.h"

#include <QCoreApplication>

#include <algorithm>

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
    const QLocale &locale = names.locale();
    return QCoreApplication::translate("ToDoPanelPainter", "%1 %2 %3", "short weekday, day, short month")
        .arg(locale.dayName(date.dayOfWeek(), QLocale::ShortFormat), QString::number(date.day()),
             locale.monthName(date.month(), QLocale::ShortFormat));
}

QList<PanelLine> agendaLines(const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead,
                             const QList<CalendarEvent> &events, QDate today, const LocaleNames &names)
{
    // The start in the user's form ("09:00", "9:00 AM"); the C locale's own would add seconds.
    const bool plain = names.locale().language() == QLocale::C;
    const auto eventText = [&names, plain](const CalendarEvent &e) -> QString {
        if (!e.start.isValid())
            return e.summary;
        return (plain ? e.start.toString(QStringLiteral("HH:mm")) : names.locale().toString(e.start, QLocale::ShortFormat)) +
               QStringLiteral("  ") + e.summary;
    };
    QList<PanelLine> lines;
    for (const CalendarEvent &e : events)
        if (e.date == today)
            lines.append({eventText(e), PanelLine::Event});
    for (int i = 1; i <= ToDoStore::kItems; ++i)
        if (!items[static_cast<std::size_t>(i - 1)].isEmpty())
            lines.append({QString::number(i) + QStringLiteral(". ") + items[static_cast<std::size_t>(i - 1)], PanelLine::Item});
    // The later days that have events or items, in date order.
    QList<QDate> days;
    for (const ToDoStore::DayItems &day : ahead)
        days << day.date;
    for (const CalendarEvent &e : events)
        if (e.date > today && !days.contains(e.date))
            days << e.date;
    std::sort(days.begin(), days.end());
    for (const QDate &date : days) {
        lines.append({dayHeading(date, names), PanelLine::Heading});
        for (const CalendarEvent &e : events)
            if (e.date == date)
                lines.append({QStringLiteral("   ") + eventText(e), PanelLine::Event});
        for (const ToDoStore::DayItems &day : ahead)
            if (day.date == date)
                for (const QString &item : day.items)
                    if (!item.isEmpty())
                        lines.append({QStringLiteral("   ") + item, PanelLine::Item});
    }
    return lines;
}

QList<PanelLine> toDoPanelLines(const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead,
                                const LocaleNames *names, const QList<CalendarEvent> &events, QDate today)
{
    QList<PanelLine> lines;
    if ((ahead.isEmpty() && events.isEmpty()) || !names) {
        for (int i = 1; i <= ToDoStore::kItems; ++i)
            lines.append({QString::number(i) + QStringLiteral(". ") + items[static_cast<std::size_t>(i - 1)], PanelLine::Item});
        return lines;
    }
    const QList<PanelLine> all = agendaLines(items, ahead, events, today, *names);
    int left = 0; // items and events that found no line
    for (const PanelLine &line : all) {
        if (lines.size() < ToDoStore::kItems)
            lines << line;
        else
            left += line.kind != PanelLine::Heading;
    }
    if (left > 0) {
        // The last line gives way to the count, which includes what it held.
        left += lines.last().kind != PanelLine::Heading;
        lines.removeLast();
        lines.append({QCoreApplication::translate("ToDoPanelPainter", "+%1 more").arg(left), PanelLine::More});
    }
    while (lines.size() < ToDoStore::kItems)
        lines.append({QString(), PanelLine::Item});
    return lines;
}

void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, LengthScale scale,
                    const ToDoStore::Items &items, const QList<ToDoStore::DayItems> &ahead, const LocaleNames *names,
                    const QList<CalendarEvent> &events, QDate today)
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

    const QList<PanelLine> lines = toDoPanelLines(items, ahead, names, events, today);
    const bool classic = (ahead.isEmpty() && events.isEmpty()) || !names;
    for (std::int16_t i = 0; i <= 12; ++i) {
        canvas.setForeColor(palette.toDoBack);
        // One- and two-digit numbers start 8 units apart so the full stops line up.
        const bool oneDigit = i > 0 && lines[i - 1].text.indexOf(u'.') == 1;
        canvas.plot(x(i == 0 ? 10 : (classic ? i <= 9 : oneDigit) ? 28 : 20), y(16 + 21 * i));
        canvas.setForeColor(i > 0 && lines[i - 1].kind == PanelLine::Event ? palette.event : palette.toDoText);
        if (i == 0)
            canvas.printText(QCoreApplication::translate("ToDoPanelPainter", "To Do List:"));
        else
            canvas.printText(lines[i - 1].text, left + panel.width());
    }
}

} // namespace marvane
