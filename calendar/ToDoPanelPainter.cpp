#include "calendar/ToDoPanelPainter.h"

#include "calendar/CalendarPainter.h"

namespace marvane {

QRect toDoPanelBox(const Options &options, QSize screen)
{
    const QRect fixed(screen.width() - 410, 300, 400, 300);
    const QRect box = calendarBox(options, screen);
    if (!fixed.intersects(box))
        return fixed;
    // Beside the box in its column: below a top corner's box, above a bottom corner's.
    const bool bottom = calendarCorner(options) >= 2;
    return QRect(box.left(), bottom ? box.top() - 40 - fixed.height() : box.bottom() + 1 + 40, fixed.width(),
                 fixed.height());
}

void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, const TodayItems &todayItem)
{
    if (!options.showToDoList)
        return;
    // The screen's size as the calendar was painted for it: asking the screen again costs a round
    // trip to the display and could answer differently.
    const QRect panel = toDoPanelBox(options, canvas.size());
    const std::int32_t left = panel.left();
    const std::int32_t right = left + panel.width();
    const std::int32_t top = panel.top();

    canvas.fillBox(left, top, right, top + panel.height(), palette.toDoBack);
    for (int i = 1; i <= 13; ++i)
        canvas.drawLine(left + 10, top + 10 + 21 * i, right - 10, top + 10 + 21 * i, palette.greyText);

    for (std::int16_t i = 0; i <= 12; ++i) {
        canvas.setForeColor(palette.toDoBack);
        // One- and two-digit numbers start 8 pixels apart so the full stops line up.
        const std::int32_t x = left + (i == 0 ? 10 : i <= 9 ? 28 : 20);
        canvas.plot(x, top + 16 + 21 * i);
        canvas.setForeColor(palette.toDoText);
        if (i == 0)
            canvas.printText(QStringLiteral("To Do List:"));
        else
            canvas.printText(QString::number(i) + QStringLiteral(". ") + todayItem(i));
    }
}

} // namespace marvane
