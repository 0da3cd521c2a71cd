#include "CalendarRenderer.h"

#include "Checked.h"
#include "DateMath.h"

namespace marvane {

namespace {

using namespace Qt::StringLiterals;
using std::int16_t;
using std::int32_t;

constexpr ColorRef kBlack = 0x00000000;
constexpr ColorRef kGreen = 0x00009600;
constexpr ColorRef kRed = 0x000000FF;
constexpr ColorRef kDarkBlue = 0x00960000;
constexpr ColorRef kBlue = 0x00FF0000;
constexpr ColorRef kNavy = 0x00640000;
constexpr ColorRef kWhite = 0x00FFFFFF;
constexpr ColorRef kButtonFace = SystemColors::system(15);

constexpr int32_t kBoxWidth = 400;
constexpr int32_t kBoxHeight = 250;

// 7 x nearest(span / 7) + 1, in the 16-bit arithmetic the layout was made with.
int32_t gridExtent(int32_t from, int32_t to)
{
    const auto cells = checked::nearest<int16_t>(static_cast<double>(to) / 7.0, "grid size");
    const auto span = checked::mul<int16_t>(7, cells, "grid size");
    return checked::add<int32_t>(checked::add<int32_t>(from, span, "grid edge"), 1, "grid edge");
}

} // namespace

QString monthTitle(const QString &abbreviation)
{
    if (abbreviation.size() == 2)
        return abbreviation.left(1) + u"  "_s + abbreviation.mid(1);
    return abbreviation;
}

void DrawCalendar(Canvas &canvas, const Options &options, const RenderContext &context, int16_t year,
                  int16_t month)
{
    canvas.ClearCanvas();
    const QSize screen = context.screen.pixelSize();
    const int32_t screenWidth = screen.width();
    const int32_t screenHeight = screen.height();
    canvas.ResizeCanvas(screenWidth, screenHeight);
    canvas.setBackColor(options.DesktopColor);

    // A corner the dialog cannot offer (a hand-edited file) is taken as the default corner.
    const int32_t pos = options.CalendarPos >= 0 && options.CalendarPos <= 3 ? options.CalendarPos : 1;
    const bool right = pos == 1 || pos == 2;
    const bool bottom = pos == 2 || pos == 3;
    int32_t boxLeft = right ? checked::sub(screenWidth, kBoxWidth, "box position") : 0;
    int32_t boxTop = bottom ? checked::sub(screenHeight, kBoxHeight, "box position") : 0;
    int32_t boxRight = right ? screenWidth : kBoxWidth;
    int32_t boxBottom = bottom ? screenHeight : kBoxHeight;
    boxLeft = checked::add(boxLeft, options.OffsetX, "box position");
    boxRight = checked::add(boxRight, options.OffsetX, "box position");
    boxTop = checked::add(boxTop, options.OffsetY, "box position");
    boxBottom = checked::add(boxBottom, options.OffsetY, "box position");

    canvas.FillBox(boxLeft, boxTop, boxRight, boxBottom, options.CalendarColor);

    const int32_t gridLeft = checked::add(boxLeft, 20, "grid position");
    const int32_t gridTop = checked::add(boxTop, 70, "grid position");
    const int32_t gridRight =
        gridExtent(gridLeft, checked::sub(checked::sub(boxRight, 20, "grid"), gridLeft, "grid"));
    const int32_t gridBottom =
        gridExtent(gridTop, checked::sub(checked::sub(boxBottom, 20, "grid"), gridTop, "grid"));
    const auto colWidth =
        checked::nearest<int32_t>(static_cast<double>(checked::sub(gridRight, gridLeft, "grid")) / 7.0, "column");
    const auto rowHeight =
        checked::nearest<int32_t>(static_cast<double>(checked::sub(gridBottom, gridTop, "grid")) / 7.0, "row");

    for (int32_t k = 0; k <= 7; ++k) {
        canvas.setForeColor(kBlack);
        const int32_t y = checked::add(gridTop, checked::mul(k, rowHeight, "grid line"), "grid line");
        canvas.DrawLine(gridLeft, y, gridRight, y);
        const int32_t x = checked::add(gridLeft, checked::mul(k, colWidth, "grid line"), "grid line");
        canvas.DrawLine(x, gridTop, x, gridBottom);
    }

    const int16_t daysInMonth = GetDays(year, month);
    const QDate today = context.clock.today();

    // Every text is placed by plotting a point in the colour already under it.
    canvas.setForeColor(options.CalendarColor);
    canvas.PlotPoint(gridLeft, checked::sub(gridTop, 50, "title"));
    canvas.setForeColor(kGreen);
    canvas.setFontName(u"arial"_s);
    canvas.setFontBold(true);
    canvas.setFontSize(30);
    canvas.setFontItalic(true);
    canvas.PrintNumber(year);

    canvas.setForeColor(options.CalendarColor);
    canvas.PlotPoint(static_cast<double>(gridLeft) + static_cast<double>(gridRight - static_cast<int64_t>(gridLeft)) / 2.0 - 32.0,
                     static_cast<double>(gridTop) - 40.0);
    canvas.setForeColor(kRed);
    canvas.setFontItalic(false);
    canvas.setFontName(u"verdana"_s);
    canvas.setFontSize(16);
    canvas.setFontBold(true);
    canvas.PrintText(monthTitle(context.names.month(month)));

    canvas.setFontUnderline(false);
    canvas.setFontName(u"Arial"_s);
    canvas.setFontSize(9);
    canvas.setFontBold(false);
    canvas.setForeColor(options.CalendarColor);
    canvas.PlotPoint(checked::sub(gridRight, 100, "date line"), checked::sub(gridTop, 15, "date line"));
    canvas.setForeColor(kDarkBlue);
    // Always today's date, whichever month is shown.
    canvas.PrintText(u"Today: %1-%2-%3"_s.arg(today.month()).arg(today.day()).arg(today.year()));

    const int32_t headerBottom = checked::sub(checked::add(gridTop, rowHeight, "header"), 1, "header");
    for (int32_t i = 1; i <= 7; ++i) {
        const int32_t x1 = checked::add(
            checked::add(gridLeft, checked::mul(i - 1, colWidth, "header"), "header"), 1, "header");
        const int32_t y1 = checked::add(gridTop, 1, "header");
        canvas.FillBox(x1, y1,
                       checked::sub(checked::add(gridLeft, checked::mul(i, colWidth, "header"), "header"), 1,
                                    "header"),
                       headerBottom, kButtonFace);
        canvas.setForeColor(kButtonFace);
        canvas.PlotPoint(checked::add(x1, 8, "header"), checked::add(y1, 5, "header"));
        canvas.setForeColor(i == 1 || i == 7 ? kRed : kBlue);
        canvas.PrintText(context.names.weekday(i));
    }

    canvas.setFontName(u"FixedSys"_s);
    canvas.setFontSize(16);
    canvas.setFontBold(false);
    const bool currentMonth = today.year() == year && today.month() == month;
    const int todayDay = today.day();

    for (int32_t d = 1; d <= daysInMonth; ++d) {
        const DayCell cell = GetWeekRow(year, month, static_cast<int16_t>(d));
        const int32_t cellX = checked::add(gridLeft, checked::mul<int32_t>(cell.Column - 1, colWidth, "cell"), "cell");
        const int32_t cellY = checked::add(gridTop, checked::mul<int32_t>(cell.Row, rowHeight, "cell"), "cell");
        // The disc marks today only in today's own month.
        const bool isToday = currentMonth && d == todayDay;
        if (isToday) {
            canvas.setFillColor(kRed);
            canvas.setFillSolid(true);
            canvas.DrawCircle(cellX + colWidth / 2.0, cellY + rowHeight / 2.0, rowHeight / 2.0 - 2.0, kRed);
        }
        // The placing point must not show: a one-digit number starts on today's disc.
        canvas.setForeColor(isToday && d < 10 ? kRed : options.CalendarColor);
        canvas.PlotPoint(checked::add(cellX, d < 10 ? 18 : 10, "cell"), checked::add(cellY, 5, "cell"));
        if (isToday)
            canvas.setForeColor(kWhite);
        else if (cell.Column == 1 || cell.Column == 7)
            canvas.setForeColor(kRed);
        else
            canvas.setForeColor(kNavy);
        canvas.PrintNumber(d);
    }
}

} // namespace marvane
