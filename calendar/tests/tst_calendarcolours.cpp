#include "calendar/tests/CalendarScene.h"
#include "platform/Fonts.h"
#include "tests/support/CanvasProbe.h"
#include "tests/support/TestMain.h"

#include <QObject>

using namespace marvane;
using namespace marvane::test;

// Today's disc, marked days and weekends in their colours; the month's and the date line's
// words in each language; the week's first day.
class TestCalendarColours : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(Fonts::ensureLoaded().has_value()); }

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

MARVANE_TEST_MAIN(TestCalendarColours)
#include "tst_calendarcolours.moc"
