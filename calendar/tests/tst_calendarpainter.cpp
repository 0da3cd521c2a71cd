#include "calendar/ToDoPanelPainter.h"
#include "calendar/tests/CalendarScene.h"
#include "platform/Fonts.h"
#include "tests/support/CanvasProbe.h"
#include "tests/support/TestMain.h"

#include <QObject>

#include <limits>

using namespace marvane;
using namespace marvane::test;

// Where the month's box, grid and texts stand, at every scale and in every corner, and what
// cannot be painted.
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
};

MARVANE_TEST_MAIN(TestCalendarPainter)
#include "tst_calendarpainter.moc"
