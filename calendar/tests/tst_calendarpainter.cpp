#include "calendar/CalendarPainter.h"
#include "calendar/ToDoPanelPainter.h"
#include "tests/support/CanvasProbe.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"
#include "platform/Fonts.h"
#include "tests/support/TestMain.h"

#include <QObject>

#include <limits>

using namespace marvane;
using marvane::test::countColor;
using marvane::test::inkBounds;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
const QRgb kDesktop = SystemColors::entry(1) | 0xFF000000;
const QRgb kFace = SystemColors::entry(15) | 0xFF000000;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kNavy = 0xFF000064;

struct Scene
{
    FixedClock clock{QDate(2005, 5, 17)};
    FixedScreen screen{QSize(1024, 768)};
    LocaleNames names{QLocale(QLocale::English, QLocale::UnitedStates)};
    Options options = Options::defaults();
    std::uint32_t daysWithItems = 0;
    Canvas canvas;

    Result<> painted;

    const QImage &paint(int year, int month)
    {
        painted = paintCalendar(canvas, options, Palette::of(options),
                                RenderContext{clock, screen, names, nullptr, screen.scale(), daysWithItems},
                                static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
        return canvas.image();
    }
};

// Inside of the grid cell at week row r (0 = header), weekday column c, with the default box.
QRect cellInside(int row, int column)
{
    return QRect(634 + 51 * (column - 1) + 1, 80 + 23 * row + 1, 50, 22);
}

// Pixels of an antialiased text whose channel `channel` (0 red, 2 blue) clearly dominates.
int countHue(const QImage &img, const QRect &area, int channel)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            n += c[channel] > c[1] + 80 && c[channel] > c[2 - channel] + 80;
        }
    return n;
}

} // namespace

class TestCalendarPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(Fonts::ensureLoaded().has_value()); }

    void defaultBoxAndGrid()
    {
        Scene s;
        const QImage &img = s.paint(2005, 5);
        QCOMPARE(img.size(), QSize(1024, 768));
        // Everything outside the 400 x 250 box is desktop colour, and nothing inside is.
        QCOMPARE(countColor(img, img.rect(), kDesktop), 1024 * 768 - 400 * 250);
        QCOMPARE(countColor(img, QRect(614, 10, 400, 250), kDesktop), 0);
        QCOMPARE(img.pixel(614, 10), kWhite);
        QCOMPARE(img.pixel(1013, 259), kWhite);
        for (int k = 0; k <= 7; ++k) {
            const int y = 80 + 23 * k;
            QCOMPARE(img.pixel(634, y), kBlack);
            QCOMPARE(img.pixel(991, y), kBlack);
            QCOMPARE(img.pixel(992, y), kWhite);
            QCOMPARE(img.pixel(633, y), kWhite);
            const int x = 634 + 51 * k;
            QCOMPARE(img.pixel(x, 80), kBlack);
            QCOMPARE(img.pixel(x, 241), kBlack);
            QCOMPARE(img.pixel(x, 242), kWhite);
            QCOMPARE(img.pixel(x, 79), kWhite);
        }
        // Header cells: filled from one pixel inside the lines, one pixel short on the right and bottom.
        for (int i = 1; i <= 7; ++i) {
            const int left = 634 + 51 * (i - 1) + 1;
            QCOMPARE(img.pixel(left, 81), kFace);
            QCOMPARE(img.pixel(left + 48, 101), kFace);
            QCOMPARE(img.pixel(left + 49, 101), kWhite);
            QCOMPARE(img.pixel(left, 102), kWhite);
        }
    }

    // At scale s every place of the layout at 100 % is s times as far from the box's corner, lines
    // are s times as thick, and the fixed-pitch digits are a bitmap face of that height: only
    // their colour and the box's. At 100 % the picture is the one it always was.
    void scaledLayout_data()
    {
        QTest::addColumn<double>("display");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("bitmap");
        for (const double d : {1.0, 1.25, 1.5, 2.0, 3.0})
            QTest::addRow("%g", d) << d << 0 << d << (d < 3);
        QTest::newRow("100 % on a 200 % display") << 2.0 << 100 << 1.0 << true;
        QTest::newRow("150 % on a 100 % display") << 1.0 << 150 << 1.5 << true;
    }
    void scaledLayout()
    {
        QFETCH(double, display);
        QFETCH(int, chosen);
        QFETCH(double, scale);
        QFETCH(bool, bitmap);
        Scene s;
        s.screen.setSize(QSize(3840, 2160));
        s.screen.setScale(display);
        s.options.calendarScale = chosen;
        const QImage img = s.paint(2005, 5);
        paintToDoPanel(s.canvas, s.options, Palette::of(s.options), LengthScale::of(s.options, display), {});
        const QImage withPanel = s.canvas.image();
        const auto at = [scale](double units) { return static_cast<int>(std::lround(units * scale)); };
        const int line = std::max(1, at(1));
        const QRect box(3840 - at(400) + at(-10), at(10), at(400), at(250));
        QCOMPARE(inkBounds(img, img.rect(), kDesktop), box);
        for (int k = 0; k <= 7; ++k) {
            const int y = box.top() + at(70 + 23 * k);
            const int x = box.left() + at(20 + 51 * k);
            QCOMPARE(countColor(img, QRect(box.left() + at(20), y, at(357) + line, line), kBlack), (at(357) + line) * line);
            QCOMPARE(img.pixel(box.left() + at(40), y + line), k == 0 ? kFace : kWhite);
            QCOMPARE(countColor(img, QRect(x, box.top() + at(70), line, at(161) + line), kBlack), (at(161) + line) * line);
            QCOMPARE(img.pixel(x - 1, box.top() + at(130)), kWhite);
        }
        // Today's disc: 9.5 units round the middle of 17 May's cell.
        const double cx = box.left() + 147.5 * scale, cy = box.top() + 150.5 * scale, r = 9.5 * scale;
        QCOMPARE(img.pixel(int(cx - r + 1), int(cy)), kRed);
        QCOMPARE(img.pixel(int(cx - r - 1), int(cy)), kWhite);
        // The panel: near the right edge, 300 units down, its first rule 31 units into it.
        const QRect panel(3840 - at(410), at(300), at(400), at(300));
        QCOMPARE(inkBounds(withPanel, panel.adjusted(-2, -2, 2, 2), kDesktop), panel);
        const QRgb grey = SystemColors::entry(17) | 0xFF000000;
        QCOMPARE(countColor(withPanel, QRect(panel.left() + at(10), panel.top() + at(31), at(380), line), grey),
                 at(380) * line);
        QCOMPARE(withPanel.pixel(panel.left() + at(10), panel.top() + at(31) + line), kWhite);
        // 11 May, a weekday: navy digits on white, and in the bitmap face nothing in between.
        const QRect cell(box.left() + at(20 + 3 * 51) + line, box.top() + at(70 + 2 * 23) + line, at(50) - line,
                         at(22) - line);
        const int ink = countColor(img, cell, kNavy);
        QVERIFY(ink > 20 * scale * scale);
        if (bitmap)
            QCOMPARE(ink + countColor(img, cell, kWhite), cell.width() * cell.height());
        if (scale == 1.0) {
            Scene plain;
            plain.screen.setSize(QSize(3840, 2160));
            QVERIFY(img == plain.paint(2005, 5));
        }
        if (scale == 2.0) {
            // Drawn at the height, not an enlarged picture of the digits at 100 %.
            Scene plain;
            plain.screen.setSize(QSize(3840, 2160));
            const QRect small(3840 - 400 - 10 + 20 + 3 * 51 + 1, 10 + 70 + 2 * 23 + 1, 50, 22);
            const QImage enlarged = plain.paint(2005, 5).copy(small).scaled(small.size() * 2);
            QVERIFY(img.copy(QRect(cell.topLeft(), small.size() * 2)) != enlarged);
        }
    }

    void todaysDisc()
    {
        Scene s;
        const QImage &img = s.paint(2005, 5);
        // 17 May 2005 is a Tuesday in week row 3: its cell starts at (736, 149).
        const QRect cell = cellInside(3, 3);
        QCOMPARE(inkBounds(img, cell, kWhite), QRect(736 + 16, 149 + 2, 19, 19));
        QCOMPARE(img.pixel(761, 151), kRed);
        QCOMPARE(img.pixel(761, 150), kWhite);
        // The number on it is white: the disc's square holds red and white only.
        const QRect square(752, 151, 19, 19);
        QCOMPARE(countColor(img, square, kRed) + countColor(img, square, kWhite), 19 * 19);
        QVERIFY(countColor(img, QRect(754, 154, 16, 14), kWhite) > 10);
    }

    // A day with items gets a dot in its cell's top-right corner, navy on a weekday and red on a
    // weekend and beside today's disc; without the option nothing changes.
    void markedDays_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("Tuesday 10") << 10 << 2 << 3 << kNavy;
        QTest::newRow("Sunday 15") << 15 << 3 << 1 << kRed;
        QTest::newRow("today, 17") << 17 << 3 << 3 << kRed;
    }
    void markedDays()
    {
        QFETCH(int, day);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QRgb, colour);
        Scene s;
        s.daysWithItems = 1u << day;
        const QImage plain = s.paint(2005, 5);
        s.options.markDays = 1;
        const QImage &marked = s.paint(2005, 5);
        const QRect cell = cellInside(row, column);
        const QRect corner(cell.right() - 12, cell.top(), 12, 10);
        QCOMPARE(countColor(plain, corner, colour), 0);
        QVERIFY(countColor(marked, corner, colour) >= 9);
        // Only that corner changed.
        QImage outside = marked.copy();
        for (int y = corner.top(); y <= corner.bottom(); ++y)
            for (int x = corner.left(); x <= corner.right(); ++x)
                outside.setPixel(x, y, plain.pixel(x, y));
        QCOMPARE(outside, plain);
    }

    // Week numbers widen the box by a column on its left; the rest stands where it stood.
    void weekNumbersWidenTheBox()
    {
        Scene s;
        const QImage plain = s.paint(2005, 5);
        const QRect before = calendarBox(s.options, s.screen.pixelSize(), LengthScale::of(s.options, 1.0));
        s.options.weekNumbers = 1;
        const QImage &numbered = s.paint(2005, 5);
        const QRect after = calendarBox(s.options, s.screen.pixelSize(), LengthScale::of(s.options, 1.0));
        QCOMPARE(after, QRect(before.left() - 26, before.top(), before.width() + 26, before.height()));
        const QRect grid = before.adjusted(20, 0, 0, 0); // from the grid on
        QCOMPARE(numbered.copy(grid), plain.copy(grid));
        // A number beside each of the five rows May 2005 uses, none beside the sixth.
        const QRgb grey = qRgb(112, 112, 112);
        for (int row = 1; row <= 6; ++row) {
            const QRect beside(after.left(), before.top() + 70 + 23 * row + 1, 46, 22);
            QCOMPARE(countColor(numbered, beside, grey) > 0, row <= 5);
        }
    }

    void textStartsWhereLaidOut_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("start");
        // Areas hold one text each; the start is the text's top-left pixel as laid out.
        QTest::newRow("year title") << QRect(634, 30, 150, 45) << QPoint(634, 30);
        QTest::newRow("month title") << QRect(781, 40, 80, 25) << QPoint(781, 40);
        QTest::newRow("date line") << QRect(892, 65, 120, 14) << QPoint(892, 65);
        QTest::newRow("header Sun") << QRect(643, 86, 40, 15) << QPoint(643, 86);
        QTest::newRow("day 18, two digits") << cellInside(3, 4) << QPoint(787 + 10, 149 + 5);
        QTest::newRow("day 5, one digit") << cellInside(1, 5) << QPoint(838 + 18, 103 + 5);
    }
    void textStartsWhereLaidOut()
    {
        QFETCH(QRect, area);
        QFETCH(QPoint, start);
        Scene s;
        const QImage &img = s.paint(2005, 5);
        const QRgb under = img.pixel(start);
        const QRect ink = inkBounds(img, area, under);
        QVERIFY(!ink.isEmpty());
        // Nothing above or left of the start point; the first ink close by.
        QVERIFY2(ink.left() >= start.x() && ink.top() >= start.y(),
                 qPrintable(QStringLiteral("ink at %1,%2").arg(ink.left()).arg(ink.top())));
        QVERIFY2(ink.left() - start.x() <= 20 && ink.top() - start.y() <= 12,
                 qPrintable(QStringLiteral("ink at %1,%2").arg(ink.left()).arg(ink.top())));
    }

    void dayNumbersEndNearTheCellMiddle_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("5") << 5 << 1 << 5;
        QTest::newRow("18") << 18 << 3 << 4;
        QTest::newRow("31") << 31 << 5 << 3;
    }
    void dayNumbersEndNearTheCellMiddle()
    {
        QFETCH(int, day);
        QFETCH(int, row);
        QFETCH(int, column);
        Scene s;
        const QImage &img = s.paint(2005, 5);
        const int cellX = 634 + 51 * (column - 1);
        const QRect ink = inkBounds(img, cellInside(row, column), kWhite);
        // A space and the digits: the last digit's cell ends 34 pixels right of the cell's left edge.
        QVERIFY(ink.right() <= cellX + 33 && ink.right() >= cellX + 30);
        QVERIFY(ink.left() >= cellX + (day < 10 ? 26 : 18) && ink.left() <= cellX + (day < 10 ? 28 : 20));
    }

    void corners_data()
    {
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QRect>("box");
        QTest::newRow("0 left-top") << 0 << 0 << 0 << QRect(0, 0, 400, 250);
        QTest::newRow("0 pushed off the left") << 0 << -10 << 0 << QRect(-10, 0, 400, 250);
        QTest::newRow("1 default") << 1 << -10 << 10 << QRect(614, 10, 400, 250);
        QTest::newRow("2 past the bottom") << 2 << -10 << 10 << QRect(614, 528, 400, 250);
        QTest::newRow("3 left-bottom") << 3 << 5 << -5 << QRect(5, 513, 400, 250);
        QTest::newRow("1 pushed right") << 1 << 30 << 0 << QRect(654, 0, 400, 250);
        QTest::newRow("7 taken as 1") << 7 << -10 << 10 << QRect(614, 10, 400, 250);
        QTest::newRow("-1 taken as 1") << -1 << 0 << 0 << QRect(624, 0, 400, 250);
    }
    void corners()
    {
        QFETCH(int, pos);
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(QRect, box);
        Scene s;
        s.options.calendarCorner = pos;
        s.options.offsetX = dx;
        s.options.offsetY = dy;
        const QImage &img = s.paint(2005, 5);
        const QRect visible = box.intersected(img.rect());
        QCOMPARE(countColor(img, img.rect(), kDesktop), 1024 * 768 - visible.width() * visible.height());
        QCOMPARE(countColor(img, visible, kDesktop), 0);
    }

    void invalidCornerPaintsLikeTheDefault()
    {
        Scene a, b;
        b.options.calendarCorner = 42;
        QCOMPARE(a.paint(2026, 12), b.paint(2026, 12));
    }

    void weekRowsInUse_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("rows");
        QTest::newRow("Feb 2009") << 2009 << 2 << 4;
        QTest::newRow("Feb 2015") << 2015 << 2 << 4;
        QTest::newRow("Feb 2026") << 2026 << 2 << 4;
        QTest::newRow("Jan 2011") << 2011 << 1 << 6;
        QTest::newRow("Oct 2010") << 2010 << 10 << 6;
        QTest::newRow("May 2005") << 2005 << 5 << 5;
    }
    void weekRowsInUse()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, rows);
        Scene s;
        s.clock.setToday(QDate(1999, 1, 1));
        const QImage &img = s.paint(year, month);
        for (int row = 1; row <= 6; ++row) {
            bool ink = false;
            for (int column = 1; column <= 7; ++column)
                ink = ink || !inkBounds(img, cellInside(row, column), kWhite).isEmpty();
            QCOMPARE(ink, row <= rows);
        }
    }

    void weekendColours()
    {
        Scene s;
        s.clock.setToday(QDate(2005, 6, 1));
        const QImage &img = s.paint(2005, 5);
        // 1 May 2005 is a Sunday, 2 May a Monday, 7 May a Saturday.
        for (int column : {1, 7}) {
            QVERIFY(countColor(img, cellInside(1, column), kRed) > 0);
            QCOMPARE(countColor(img, cellInside(1, column), kNavy), 0);
            QVERIFY(countHue(img, cellInside(0, column), 0) > 0);
            QCOMPARE(countHue(img, cellInside(0, column), 2), 0);
        }
        for (int column = 2; column <= 6; ++column) {
            QVERIFY(countColor(img, cellInside(1, column), kNavy) > 0);
            QCOMPARE(countColor(img, cellInside(1, column), kRed), 0);
            QVERIFY(countHue(img, cellInside(0, column), 2) > 0);
            QCOMPARE(countHue(img, cellInside(0, column), 0), 0);
        }
    }

    void todayOnAWeekendIsWhiteOnTheDisc()
    {
        Scene s;
        s.clock.setToday(QDate(2005, 5, 7));
        const QImage &img = s.paint(2005, 5);
        const QRect number(634 + 6 * 51 + 18, 103 + 5, 16, 16);
        QVERIFY(countColor(img, number, kWhite) > 10);
        QCOMPARE(countColor(img, number, kNavy), 0);
    }

    // Showing June 2005 on 17 May 2005: no disc on 17 June, and the date line still reads today's date.
    void otherMonthHasNoDiscAndSameDateLine()
    {
        Scene may, june;
        const QImage &a = may.paint(2005, 5);
        const QImage &b = june.paint(2005, 6);
        const QRect dateLine(892, 65, 122, 15);
        QCOMPARE(a.copy(dateLine), b.copy(dateLine));
        // 17 June 2005 is a Friday in week row 3.
        QCOMPARE(countColor(b, cellInside(3, 6), kRed), 0);
        QVERIFY(countColor(b, cellInside(3, 6), kNavy) > 0);
        // And the date line is not the one of another date.
        june.clock.setToday(QDate(2005, 6, 17));
        QVERIFY(june.paint(2005, 6).copy(dateLine) != a.copy(dateLine));
    }

    void allZeroRecord()
    {
        Scene s;
        s.options = Options{};
        const QImage &img = s.paint(2005, 5);
        QCOMPARE(img.pixel(0, 0), kBlack);
        QCOMPARE(img.pixel(399, 249), kBlack);
        QCOMPARE(img.pixel(700, 500), kBlack);
        QCOMPARE(img.pixel(21, 71), kFace);
    }

    // Offsets beyond the coordinates, or a month that does not exist: a failure and a picture of
    // the desktop colour alone.
    void unpaintableCalendarFails_data()
    {
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("reason");
        constexpr int top = std::numeric_limits<int>::max();
        constexpr int bottom = std::numeric_limits<int>::min();
        QTest::newRow("x at the top of the range") << top << 0 << 5 << QStringLiteral("integer overflow");
        QTest::newRow("y at the top of the range") << 0 << top - 100 << 5 << QStringLiteral("integer overflow");
        QTest::newRow("box just fits") << top - 1024 << 0 << 5 << QString();
        QTest::newRow("x at the bottom of the range") << bottom << 0 << 5 << QString();
        QTest::newRow("month 13") << 0 << 0 << 13 << QStringLiteral("not a month");
    }
    void unpaintableCalendarFails()
    {
        QFETCH(int, dx);
        QFETCH(int, dy);
        QFETCH(int, month);
        QFETCH(QString, reason);
        Scene s;
        s.options.offsetX = dx;
        s.options.offsetY = dy;
        const QImage &img = s.paint(2005, month);
        QCOMPARE(s.painted.has_value(), reason.isEmpty());
        if (!reason.isEmpty())
            QVERIFY2(s.painted.error().reason().contains(reason), qPrintable(s.painted.error().reason()));
        QCOMPARE(img.size(), QSize(1024, 768));
        QCOMPARE(countColor(img, img.rect(), kDesktop), 1024 * 768);
    }

    void monthNames_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sunday");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << 5 << QStringLiteral("May")
                                 << QStringLiteral("Sun");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 3 << QStringLiteral("Mär")
                                << QStringLiteral("So");
        QTest::newRow("Chinese, two characters")
            << QLocale(QLocale::Chinese, QLocale::China) << 5 << QStringLiteral("5  月") << QStringLiteral("周日");
        QTest::newRow("Japanese, three characters")
            << QLocale(QLocale::Japanese, QLocale::Japan) << 12 << QStringLiteral("12月") << QStringLiteral("日");
    }
    void monthNames()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, month);
        QFETCH(QString, title);
        QFETCH(QString, sunday);
        const LocaleNames names(locale);
        QCOMPARE(monthTitle(names.month(month)), title);
        QCOMPARE(names.weekday(1), sunday);
    }

    void dateLines_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("line");
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("Month-Day-Year, in German too") << german << 0 << QStringLiteral("Today: 12-7-2026");
        QTest::newRow("American") << QLocale(QLocale::English, QLocale::UnitedStates) << 1
                                  << QStringLiteral("Today: 12/7/26");
        QTest::newRow("German") << german << 1 << QStringLiteral("Today: 07.12.26");
        QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << 1 << QStringLiteral("Today: 7.12.2026");
        QTest::newRow("Brazilian") << QLocale(QLocale::Portuguese, QLocale::Brazil) << 1
                                   << QStringLiteral("Today: 07/12/2026");
    }
    void dateLines()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, format);
        QFETCH(QString, line);
        Options options = Options::defaults();
        options.dateFormat = format;
        QCOMPARE(dateLine(options, LocaleNames(locale), QDate(2026, 12, 7)), line);
    }

    // The header and the day columns follow the week's first day; Saturday and Sunday stay red
    // wherever they stand.
    void weekStarts_data()
    {
        QTest::addColumn<int>("weekStart");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("sundayColumn");
        const QLocale american(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("Sunday") << 0 << american << 1;
        QTest::newRow("Monday") << 1 << american << 7;
        QTest::newRow("as the American locale") << 2 << american << 1;
        QTest::newRow("as the German locale") << 2 << QLocale(QLocale::German, QLocale::Germany) << 7;
        QTest::newRow("as the Maldivian locale, Friday") << 2 << QLocale(QLocale::Divehi, QLocale::Maldives) << 3;
    }
    void weekStarts()
    {
        QFETCH(int, weekStart);
        QFETCH(QLocale, locale);
        QFETCH(int, sundayColumn);
        Scene s;
        s.names = LocaleNames(QLocale(QLocale::English, QLocale::UnitedStates));
        const LocaleNames local(locale);
        s.options.weekStart = weekStart;
        // May 2005 starts on a Sunday: its 1st is in the Sunday column of row 1.
        RenderContext context{s.clock, s.screen, local};
        QVERIFY(paintCalendar(s.canvas, s.options, Palette::of(s.options), context, 2005, 5));
        const QImage &img = s.canvas.image();
        for (int column = 1; column <= 7; ++column) {
            const bool weekend = column == sundayColumn || column % 7 + 1 == sundayColumn;
            QCOMPARE(countHue(img, cellInside(0, column), 0) > 0, weekend);
            QCOMPARE(countHue(img, cellInside(0, column), 2) > 0, !weekend);
            QCOMPARE(countColor(img, cellInside(2, column), kRed) > 0, weekend);
            // Nothing before the 1st in its row.
            QCOMPARE(inkBounds(img, cellInside(1, column), kWhite).isEmpty(), column < sundayColumn);
        }
    }
};

MARVANE_TEST_MAIN(TestCalendarPainter)
#include "tst_calendarpainter.moc"
