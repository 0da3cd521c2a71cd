#include "calendar/CalendarPainter.h"

#include "calendar/BackgroundPicture.h"
#include "calendar/CardPainter.h"
#include "calendar/DateMath.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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
// The column of week numbers widens the box on its left; the rest keeps its place in it.
constexpr int32_t kWeekColumn = 26;

int32_t weekColumn(const Options &options)
{
    return options.weekNumbers == 1 ? kWeekColumn : 0;
}

// 7 x nearest(span / 7) + 1, ties to even, as the layout was made.
int32_t gridExtent(int32_t from, int32_t span)
{
    return from + 7 * static_cast<int32_t>(std::nearbyint(span / 7.0)) + 1;
}

// The box's top-left corner in 64-bit arithmetic, so that any offsets give an answer.
std::pair<int64_t, int64_t> boxCorner(const Options &options, QSize screen, LengthScale scale)
{
    const int32_t pos = calendarCorner(options);
    const bool right = pos == 1 || pos == 2;
    const bool bottom = pos == 2 || pos == 3;
    return {(right ? int64_t{screen.width()} - scale.length(kBoxWidth + weekColumn(options)) : 0) +
                scale.length(options.offsetX),
            (bottom ? int64_t{screen.height()} - scale.length(kBoxHeight) : 0) + scale.length(options.offsetY)};
}

} // namespace

int calendarCorner(const Options &options)
{
    return options.calendarCorner >= 0 && options.calendarCorner <= 3 ? options.calendarCorner : 1;
}

QRect calendarBox(const Options &options, QSize screen, LengthScale scale)
{
    if (options.look == 1)
        return calendarCardBox(options, screen, scale);
    const auto [left, top] = boxCorner(options, screen, scale);
    const auto clamp = [](int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, -(1 << 30), 1 << 30)); };
    return QRect(clamp(left), clamp(top), static_cast<int>(scale.length(kBoxWidth + weekColumn(options))),
                 static_cast<int>(scale.length(kBoxHeight)));
}

QString dateLine(const Options &options, const LocaleNames &names, QDate today)
{
    const QString date = options.dateFormat == 1
                             ? names.shortDate(today)
                             : u"%1-%2-%3"_s.arg(today.month()).arg(today.day()).arg(today.year());
    return QCoreApplication::translate("CalendarPainter", "Today: %1").arg(date);
}

QString monthTitle(const QString &abbreviation)
{
    if (abbreviation.size() == 2)
        return abbreviation.left(1) + u"  "_s + abbreviation.mid(1);
    return abbreviation;
}

namespace {

// The box on the canvas: lengths of the layout at 100 %, from the box's top-left corner, turned
// into canvas pixels at the scale.
struct Place
{
    int32_t left = 0;
    int32_t top = 0;
    LengthScale scale;

    int32_t x(int32_t units) const { return left + static_cast<int32_t>(scale.length(units)); }
    int32_t y(int32_t units) const { return top + static_cast<int32_t>(scale.length(units)); }
    double x(double units) const { return left + scale.exact(units); }
    double y(double units) const { return top + scale.exact(units); }
};

// The month's grid at 100 %, from the box's corner: eight lines each way, the first row the
// weekday header.
struct Grid
{
    int32_t left = 20;
    int32_t top = 70;
    int32_t right = gridExtent(left, kBoxWidth - 20 - left);
    int32_t bottom = gridExtent(top, kBoxHeight - 20 - top);
    int32_t colWidth = static_cast<int32_t>(std::nearbyint((right - left) / 7.0));
    int32_t rowHeight = static_cast<int32_t>(std::nearbyint((bottom - top) / 7.0));
};

// Offsets that push the box beyond 32-bit coordinates leave it unpainted. Everything else on the
// calendar lies inside the box, so once the box fits, every coordinate does.
Result<Place> paintBox(Canvas &canvas, const Options &options, const Palette &palette, QSize screen,
                       LengthScale scale)
{
    const auto [left, top] = boxCorner(options, screen, scale);
    using Limits = std::numeric_limits<int32_t>;
    if (std::min(left, top) < Limits::min() ||
        std::max(left + scale.length(kBoxWidth + weekColumn(options)), top + scale.length(kBoxHeight)) >
            Limits::max())
        return fail({}, u"integer overflow: box position"_s);
    const Place place{static_cast<int32_t>(left), static_cast<int32_t>(top), scale};
    canvas.fillBox(place.left, place.top, place.x(kBoxWidth + weekColumn(options)), place.y(kBoxHeight),
                   palette.calendar);
    return place;
}

void paintGrid(Canvas &canvas, const Place &place, const Grid &g)
{
    // Each line as thick as the scale makes it, from its place at 100 % on.
    const int32_t width = place.scale.lineWidth();
    for (int32_t k = 0; k <= 7; ++k) {
        const int32_t y = place.y(g.top + k * g.rowHeight);
        canvas.fillBox(place.x(g.left), y, place.x(g.right - 1) + width, y + width, kBlack);
        const int32_t x = place.x(g.left + k * g.colWidth);
        canvas.fillBox(x, place.y(g.top), x + width, place.y(g.bottom - 1) + width, kBlack);
    }
}

void paintTitles(Canvas &canvas, const Options &options, const Palette &palette, const RenderContext &context,
                 const Place &place, const Grid &g, int16_t year, int16_t month, QDate today)
{
    // Every text is placed by plotting a point in the colour already under it.
    canvas.setForeColor(palette.calendar);
    canvas.plot(place.x(g.left), place.y(g.top - 50));
    canvas.setForeColor(kGreen);
    canvas.setFontName(u"arial"_s);
    canvas.setFontBold(true);
    canvas.setFontSize(30);
    canvas.setFontItalic(true);
    canvas.printNumber(year);

    canvas.setForeColor(palette.calendar);
    canvas.plot(place.x(g.left + (g.right - g.left) / 2.0 - 32.0), place.y(g.top - 40.0));
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
    canvas.plot(place.x(g.right - 100), place.y(g.top - 15));
    canvas.setForeColor(kDarkBlue);
    // Always today's date, whichever month is shown.
    canvas.printText(dateLine(options, context.names, today));
}

bool isWeekend(int weekday)
{
    return weekday == 1 || weekday == 7;
}

void paintHeader(Canvas &canvas, const Palette &palette, const RenderContext &context, const Place &place,
                 const Grid &g, int firstWeekday)
{
    const int32_t width = place.scale.lineWidth();
    for (int32_t i = 1; i <= 7; ++i) {
        // Inside the lines, leaving a gap of one unit before the next ones.
        const int32_t cell = g.left + (i - 1) * g.colWidth;
        canvas.fillBox(place.x(cell) + width, place.y(g.top) + width, place.x(cell + g.colWidth - 1),
                       place.y(g.top + g.rowHeight - 1), palette.buttonFace);
        canvas.setForeColor(palette.buttonFace);
        canvas.plot(place.x(cell + 9), place.y(g.top + 6));
        const int weekday = weekdayInColumn(i, firstWeekday);
        canvas.setForeColor(isWeekend(weekday) ? kRed : kBlue);
        canvas.printText(context.names.weekday(weekday));
    }
}

void paintDays(Canvas &canvas, const Palette &palette, const Place &place, const Grid &g, int16_t year,
               int16_t month, QDate today, int firstWeekday, std::uint32_t marked)
{
    canvas.setFontName(u"FixedSys"_s);
    canvas.setFontSize(16);
    canvas.setFontBold(false);
    const bool currentMonth = today.year() == year && today.month() == month;
    const int todayDay = today.day();
    const int16_t days = daysInMonth(year, month);

    for (int32_t d = 1; d <= days; ++d) {
        const GridPosition cell = cellOf(year, month, static_cast<int16_t>(d), firstWeekday);
        const int32_t cellX = g.left + (cell.column - 1) * g.colWidth;
        const int32_t cellY = g.top + cell.row * g.rowHeight;
        // The disc marks today only in today's own month.
        const bool isToday = currentMonth && d == todayDay;
        if (isToday) {
            canvas.setFillColor(kRed);
            canvas.setFillSolid(true);
            canvas.drawDisc(place.x(cellX + g.colWidth / 2.0), place.y(cellY + g.rowHeight / 2.0),
                            place.scale.exact(g.rowHeight / 2.0 - 2.0), kRed);
        }
        // The placing point must not show: a one-digit number starts on today's disc.
        canvas.setForeColor(isToday && d < 10 ? kRed : palette.calendar);
        canvas.plot(place.x(cellX + (d < 10 ? 18 : 10)), place.y(cellY + 5));
        if (isToday)
            canvas.setForeColor(kWhite);
        else if (isWeekend(weekdayInColumn(cell.column, firstWeekday)))
            canvas.setForeColor(kRed);
        else
            canvas.setForeColor(kNavy);
        canvas.printNumber(d);
        // A dot in the cell's free top-right corner, clear of the number and of today's disc.
        if (marked & (1u << d)) {
            const QRgb dot = isWeekend(weekdayInColumn(cell.column, firstWeekday)) || isToday ? kRed : kNavy;
            canvas.setFillColor(dot);
            canvas.setFillSolid(true);
            canvas.drawDisc(place.x(cellX + g.colWidth - 8.0), place.y(cellY + 6.0), place.scale.exact(2.5), dot);
        }
    }
}

// ISO 8601 week numbers before each row of the month, under the language's short word for week.
void paintWeekNumbers(Canvas &canvas, const Palette &palette, const Place &box, const Grid &g, int16_t year,
                      int16_t month, int firstWeekday)
{
    const QRgb grey = qRgb(112, 112, 112);
    canvas.setFontName(u"Arial"_s);
    canvas.setFontSize(9);
    canvas.setForeColor(palette.calendar);
    canvas.plot(box.x(g.left - 4), box.y(g.top + 6));
    canvas.setForeColor(grey);
    canvas.printText(QCoreApplication::translate("CalendarPainter", "Wk"));
    canvas.setFontName(u"FixedSys"_s);
    canvas.setFontSize(16);
    int lastRow = 0;
    for (int16_t d = 1; d <= daysInMonth(year, month); ++d) {
        const GridPosition cell = cellOf(year, month, d, firstWeekday);
        if (cell.row == lastRow)
            continue;
        lastRow = cell.row;
        // The week of the row's Monday, wherever the row starts.
        const QDate rowStart = QDate(year, month, d).addDays(1 - cell.column);
        const int week = rowStart.addDays((2 - firstWeekday + 7) % 7).weekNumber();
        canvas.setForeColor(palette.calendar);
        canvas.plot(box.x(g.left - (week < 10 ? 1 : 5)), box.y(g.top + cell.row * g.rowHeight + 5));
        canvas.setForeColor(grey);
        canvas.printNumber(week);
    }
}

} // namespace

Result<> paintBackground(Canvas &canvas, const Palette &palette, const RenderContext &context, int16_t year,
                         int16_t month)
{
    canvas.reset(context.screen.pixelSize(), palette.desktop);
    if (context.background)
        context.background->paint(canvas);
    if (!QDate(year, month, 1).isValid())
        return fail({}, u"not a month: %1-%2"_s.arg(year).arg(month));
    return {};
}

Result<> paintCalendar(Canvas &canvas, const Options &options, const Palette &palette, const RenderContext &context,
                       int16_t year, int16_t month)
{
    const QSize screen = context.screen.pixelSize();
    if (const Result<> ready = paintBackground(canvas, palette, context, year, month); !ready)
        return ready;
    const LengthScale scale = LengthScale::of(options, context.displayScale);
    canvas.setFontScale(scale.factor());
    const Result<Place> box = paintBox(canvas, options, palette, screen, scale);
    if (!box)
        return std::unexpected(box.error());
    // Everything but the week numbers stands where it would without them.
    const std::optional<Place> place =
        Place{box->left + static_cast<int32_t>(scale.length(weekColumn(options))), box->top, scale};
    const Grid grid;
    paintGrid(canvas, *place, grid);
    const QDate today = context.clock.today();
    // Sunday, Monday, or the locale's first day of the week.
    const int firstWeekday = options.weekStart == 1 ? 2 : options.weekStart == 2 ? context.names.firstWeekday() : 1;
    paintTitles(canvas, options, palette, context, *place, grid, year, month, today);
    paintHeader(canvas, palette, context, *place, grid, firstWeekday);
    paintDays(canvas, palette, *place, grid, year, month, today, firstWeekday,
              options.markDays == 1 ? context.daysWithItems : 0);
    if (options.weekNumbers == 1)
        paintWeekNumbers(canvas, palette, *box, grid, year, month, firstWeekday);
    return {};
}

} // namespace marvane
