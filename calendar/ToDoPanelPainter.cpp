#include "calendar/ToDoPanelPainter.h"

namespace marvane {

void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, const TodayItems &todayItem)
{
    if (!options.showToDoList)
        return;
    // The screen's width as the calendar was painted for it: asking the screen again costs a round
    // trip to the display and could answer differently.
    const std::int32_t screenWidth = canvas.size().width();
    const std::int32_t panelLeft = screenWidth - 410;
    const std::int32_t panelRight = screenWidth - 10;

    canvas.fillBox(panelLeft, 300, panelRight, 600, palette.toDoBack);
    for (int i = 1; i <= 13; ++i)
        canvas.drawLine(panelLeft + 10, 310 + 21 * i, panelRight - 10, 310 + 21 * i, palette.greyText);

    for (std::int16_t i = 0; i <= 12; ++i) {
        canvas.setForeColor(palette.toDoBack);
        // One- and two-digit numbers start 8 pixels apart so the full stops line up.
        const std::int32_t x = panelLeft + (i == 0 ? 10 : i <= 9 ? 28 : 20);
        canvas.plot(x, 316 + 21 * i);
        canvas.setForeColor(palette.toDoText);
        if (i == 0)
            canvas.printText(QStringLiteral("To Do List:"));
        else
            canvas.printText(QString::number(i) + QStringLiteral(". ") + todayItem(i));
    }
}

} // namespace marvane
