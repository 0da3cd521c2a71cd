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

void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, LengthScale scale,
                    const ToDoStore::Items &items)
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

    for (std::int16_t i = 0; i <= 12; ++i) {
        canvas.setForeColor(palette.toDoBack);
        // One- and two-digit numbers start 8 units apart so the full stops line up.
        canvas.plot(x(i == 0 ? 10 : i <= 9 ? 28 : 20), y(16 + 21 * i));
        canvas.setForeColor(palette.toDoText);
        if (i == 0)
            canvas.printText(QCoreApplication::translate("ToDoPanelPainter", "To Do List:"));
        else
            canvas.printText(QString::number(i) + QStringLiteral(". ") + items[static_cast<std::size_t>(i - 1)]);
    }
}

} // namespace marvane
