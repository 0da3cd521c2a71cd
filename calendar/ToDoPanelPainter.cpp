#include "ToDoPanelRenderer.h"

#include "Checked.h"

namespace marvane {

void DrawToDoList(Canvas &canvas, const Options &options, const Screen &screen, const TodayItems &todayItem)
{
    if (!options.ShowToDoList)
        return;
    const std::int32_t screenWidth = screen.pixelSize().width();
    const std::int32_t panelLeft = checked::sub<std::int32_t>(screenWidth, 410, "panel");
    const std::int32_t panelRight = checked::sub<std::int32_t>(screenWidth, 10, "panel");

    canvas.FillBox(panelLeft, 300, panelRight, 600, options.ToDoBackColor);
    for (int i = 1; i <= 13; ++i)
        canvas.DrawLine(panelLeft + 10, 310 + 21 * i, panelRight - 10, 310 + 21 * i, SystemColors::system(17));

    for (std::int16_t i = 0; i <= 12; ++i) {
        canvas.setForeColor(options.ToDoBackColor);
        // One- and two-digit numbers start 8 pixels apart so the full stops line up.
        const std::int32_t x = panelLeft + (i == 0 ? 10 : i <= 9 ? 28 : 20);
        canvas.PlotPoint(x, 316 + 21 * i);
        canvas.setForeColor(options.ToDoTextColor);
        if (i == 0)
            canvas.PrintText(QStringLiteral("To Do List:"));
        else
            canvas.PrintText(QString::number(i) + QStringLiteral(". ") + todayItem(i));
    }
}

} // namespace marvane
