#include "calendar/CalendarPainter.h"

#include "calendar/Checked.h"
#include "calendar/DateMath.h"

#include <algorithm>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;
using std::int16_t;
using std::int32_t;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kGreen = qRgb(0, 150, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kDarkBlue = qRgb(0, 0, 150);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kNavy = qRgb(0, 0, 100);
constexpr QRgb kWhite = qRgb(255, 255, 255);

constexpr int32_t kBoxWidth = 400;
constexpr int32_t kBoxHeight = 250;

// 7 x nearest(span / 7) + 1, in the 16-bit arithmetic the layout was made with.
int32_t gridExtent(int32_t from, int32_t to)
{
    const auto cells = checked::nearest<int16_t>(static_cast<double>(to) / 7.0, "grid size");
    const auto span = checked::mul<int16_t>(7, cells, "grid size");
    return checked::add<int32_t>(checked::add<int32_t>(from, span, "grid edge"), 1, "grid edge");
}

// A corner the dialog cannot offer (a hand-edited file) is taken as the default corner.
int32_t cornerOf(const Options &options)
{
    return options.calendarCorner >= 0 && options.calendarCorner <= 3 ? options.calendarCorner : 1;
}

} // namespace

QRect calendarBox(const Options &options, QSize screen)
{
    const int32_t pos = cornerOf(options);
    const bool right = pos == 1 || pos == 2;
    const bool bottom = pos == 2 || pos == 3;
    const int64_t left = (right ? int64_t{screen.width()} - kBoxWidth : 0) + options.offsetX;
    const int64_t top = (bottom ? int64_t{screen.height()} - kBoxHeight : 0) + options.offsetY;
    const auto clamp = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -(1 << 30), 1 << 30)); };
    return QRect(clamp(left), clamp(top), kBoxWidth, kBoxHeight);
}

QString monthTitle(const QString &abbreviation)
{
    if (abbreviation.size() == 2)
        return abbreviation.left(1) + u"  "_s + abbreviation.mid(1);
    return abbreviation;
}

namespace {

struct Box
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The month's grid: eight lines each way, the first row the weekday header.
struct Grid
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t colWidth = 0;
    int32_t rowHeight = 0;
};

Box paintBox(Canvas &canvas, const Options &options, const Palette &palette, int32_t screenWidth,
             int32_t screenHeight)
{
    const int32_t pos = cornerOf(options);
    const bool right = pos == 1 || pos == 2;
    const bool bottom = pos == 2 || pos == 3;
    Box b;
    b.left = right ? checked::sub(screenWidth, kBoxWidth, "box position") : 0;
    b.top = bottom ? checked::sub(screenHeight, kBoxHeight, "box position") : 0;
    b.right = right ? screenWidth : kBoxWidth;
    b.bottom = bottom ? screenHeight : kBoxHeight;
    b.left = checked::add(b.left, options.offsetX, "box position");
    b.right = checked::add(b.right, options.offsetX, "box position");
    b.top = checked::add(b.top, options.offsetY, "box position");
    b.bottom = checked::add(b.bottom, options.offsetY, "box position");

    canvas.fillBox(b.left, b.top, b.right, b.bottom, palette.calendar);
    return b;
}

Grid paintGrid(Canvas &canvas, const Box &b)
{
    Grid g;
    g.left = checked::add(b.left, 20, "grid position");
    g.top = checked::add(b.top, 70, "grid position");
    g.right =
        gridExtent(g.left, checked::sub(checked::sub(b.right, 20, "grid"), g.left, "grid"));
    g.bottom =
        gridExtent(g.top, checked::sub(checked::sub(b.bottom, 20, "grid"), g.top, "grid"));
    g.colWidth =
        checked::nearest<int32_t>(static_cast<double>(checked::sub(g.right, g.left, "grid")) / 7.0, "column");
    g.rowHeight =
        checked::nearest<int32_t>(static_cast<double>(checked::sub(g.bottom, g.top, "grid")) / 7.0, "row");

    for (int32_t k = 0; k <= 7; ++k) {
        canvas.setForeColor(kBlack);
        const int32_t y = checked::add(g.top, checked::mul(k, g.rowHeight, "grid line"), "grid line");
        canvas.drawLine(g.left, y, g.right, y);
        const int32_t x = checked::add(g.left, checked::mul(k, g.colWidth, "grid line"), "grid line");
        canvas.drawLine(x, g.top, x, g.bottom);
    }
    return g;
}

void paintTitles(Canvas &canvas, const Palette &palette, const RenderContext &context, const Grid &g, int16_t year,
                 int16_t month, QDate today)
{
    // Every text is placed by plotting a point in the colour already under it.
    canvas.setForeColor(palette.calendar);
    canvas.plot(g.left, checked::sub(g.top, 50, "title"));
    canvas.setForeColor(kGreen);
    canvas.setFontName(u"arial"_s);
    canvas.setFontBold(true);
    canvas.setFontSize(30);
    canvas.setFontItalic(true);
    canvas.printNumber(year);

    canvas.setForeColor(palette.calendar);
    canvas.plot(static_cast<double>(g.left) + static_cast<double>(g.right - static_cast<int64_t>(g.left)) / 2.0 - 32.0,
                     static_cast<double>(g.top) - 40.0);
    canvas.setForeColor(kRed);
    canvas.setFontItalic(false);
    canvas.setFontName(u"verdana"_s);
    canvas.setFontSize(16);
    canvas.setFontBold(true);
    canvas.printText(monthTitle(context.names.month(month)));

    canvas.setFontUnderline(false);
    canvas.setFontName(u"Arial"_s);
    canvas.setFontSize(9);
    canvas.setFontBold(false);
    canvas.setForeColor(palette.calendar);
    canvas.plot(checked::sub(g.right, 100, "date line"), checked::sub(g.top, 15, "date line"));
    canvas.setForeColor(kDarkBlue);
    // Always today's date, whichever month is shown.
    canvas.printText(u"Today: %1-%2-%3"_s.arg(today.month()).arg(today.day()).arg(today.year()));
}

void paintHeader(Canvas &canvas, const Palette &palette, const RenderContext &context, const Grid &g)
{
    const int32_t headerBottom = checked::sub(checked::add(g.top, g.rowHeight, "header"), 1, "header");
    for (int32_t i = 1; i <= 7; ++i) {
        const int32_t x1 = checked::add(
            checked::add(g.left, checked::mul(i - 1, g.colWidth, "header"), "header"), 1, "header");
        const int32_t y1 = checked::add(g.top, 1, "header");
        canvas.fillBox(x1, y1,
                       checked::sub(checked::add(g.left, checked::mul(i, g.colWidth, "header"), "header"), 1,
                                    "header"),
                       headerBottom, palette.buttonFace);
        canvas.setForeColor(palette.buttonFace);
        canvas.plot(checked::add(x1, 8, "header"), checked::add(y1, 5, "header"));
        canvas.setForeColor(i == 1 || i == 7 ? kRed : kBlue);
        canvas.printText(context.names.weekday(i));
    }
}

void paintDays(Canvas &canvas, const Palette &palette, const Grid &g, int16_t year, int16_t month, int16_t days,
               QDate today)
{
    canvas.setFontName(u"FixedSys"_s);
    canvas.setFontSize(16);
    canvas.setFontBold(false);
    const bool currentMonth = today.year() == year && today.month() == month;
    const int todayDay = today.day();

    for (int32_t d = 1; d <= days; ++d) {
        const DayCell cell = cellOf(year, month, static_cast<int16_t>(d));
        const int32_t cellX = checked::add(g.left, checked::mul<int32_t>(cell.column - 1, g.colWidth, "cell"), "cell");
        const int32_t cellY = checked::add(g.top, checked::mul<int32_t>(cell.row, g.rowHeight, "cell"), "cell");
        // The disc marks today only in today's own month.
        const bool isToday = currentMonth && d == todayDay;
        if (isToday) {
            canvas.setFillColor(kRed);
            canvas.setFillSolid(true);
            canvas.drawDisc(cellX + g.colWidth / 2.0, cellY + g.rowHeight / 2.0, g.rowHeight / 2.0 - 2.0, kRed);
        }
        // The placing point must not show: a one-digit number starts on today's disc.
        canvas.setForeColor(isToday && d < 10 ? kRed : palette.calendar);
        canvas.plot(checked::add(cellX, d < 10 ? 18 : 10, "cell"), checked::add(cellY, 5, "cell"));
        if (isToday)
            canvas.setForeColor(kWhite);
        else if (cell.column == 1 || cell.column == 7)
            canvas.setForeColor(kRed);
        else
            canvas.setForeColor(kNavy);
        canvas.printNumber(d);
    }
}

} // namespace

void paintCalendar(Canvas &canvas, const Options &options, const Palette &palette, const RenderContext &context,
                   int16_t year, int16_t month)
{
    const QSize screen = context.screen.pixelSize();
    canvas.reset(screen, palette.desktop);
    const Box box = paintBox(canvas, options, palette, screen.width(), screen.height());
    const Grid grid = paintGrid(canvas, box);
    const int16_t days = daysInMonth(year, month);
    const QDate today = context.clock.today();
    paintTitles(canvas, palette, context, grid, year, month, today);
    paintHeader(canvas, palette, context, grid);
    paintDays(canvas, palette, grid, year, month, days, today);
}

} // namespace marvane
