#include "calendar/DateMath.h"
#include "tests/support/TestMain.h"

#include <QObject>

using namespace marvane;

class TestDateMath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void daysInMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::newRow("2000-02 divisible by 400") << 2000 << 2 << 29;
        QTest::newRow("2004-02 divisible by 4") << 2004 << 2 << 29;
        QTest::newRow("2005-02 common year") << 2005 << 2 << 28;
        QTest::newRow("2020-02") << 2020 << 2 << 29;
        QTest::newRow("2005-04 thirty") << 2005 << 4 << 30;
        QTest::newRow("2005-12 year end") << 2005 << 12 << 31;
        QTest::newRow("2005-01") << 2005 << 1 << 31;
        QTest::newRow("1900-02 century, not leap") << 1900 << 2 << 28;
        QTest::newRow("2100-02 century, not leap") << 2100 << 2 << 28;
        QTest::newRow("2026-02") << 2026 << 2 << 28;
    }
    void daysInMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        QCOMPARE(marvane::daysInMonth(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month)), days);
    }

    void weekRow_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("1 May 2005, Sunday start") << 2005 << 5 << 1 << 1 << 1;
        QTest::newRow("7 May 2005") << 2005 << 5 << 7 << 1 << 7;
        QTest::newRow("8 May 2005") << 2005 << 5 << 8 << 2 << 1;
        QTest::newRow("31 May 2005") << 2005 << 5 << 31 << 5 << 3;
        QTest::newRow("1 Jan 2011, Saturday start") << 2011 << 1 << 1 << 1 << 7;
        QTest::newRow("30 Jan 2011, sixth row") << 2011 << 1 << 30 << 6 << 1;
        QTest::newRow("31 Jan 2011") << 2011 << 1 << 31 << 6 << 2;
        QTest::newRow("31 Oct 2010, Friday start") << 2010 << 10 << 31 << 6 << 1;
        QTest::newRow("28 Feb 2009, four rows") << 2009 << 2 << 28 << 4 << 7;
        QTest::newRow("28 Feb 2026, four rows") << 2026 << 2 << 28 << 4 << 7;
        QTest::newRow("29 Feb 2000") << 2000 << 2 << 29 << 5 << 3;
        QTest::newRow("7 Dec 2026") << 2026 << 12 << 7 << 2 << 2;
    }
    void weekRow()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, row);
        QFETCH(int, column);
        const GridPosition cell = cellOf(static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                        static_cast<std::int16_t>(day));
        QCOMPARE(cell.row, row);
        QCOMPARE(cell.column, column);
    }

    // Walks 1900..2100 day by day from a known weekday (1 January 1900 was a Monday) and checks every
    // month length against the leap-year rule and every cell, in weeks starting on each weekday,
    // against the running weekday: every month of every start fits its six rows.
    void everyDateFrom1900To2100()
    {
        for (int first = 1; first <= 7; ++first) {
            int weekday = 2; // Monday, counted from Sunday = 1
            for (int year = 1900; year <= 2100; ++year) {
                const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
                const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
                for (int month = 1; month <= 12; ++month) {
                    const auto y = static_cast<std::int16_t>(year);
                    const auto m = static_cast<std::int16_t>(month);
                    QCOMPARE(marvane::daysInMonth(y, m), lengths[month - 1]);
                    const int firstColumn = (weekday - first + 7) % 7 + 1;
                    for (int day = 1; day <= lengths[month - 1]; ++day) {
                        const GridPosition cell = cellOf(y, m, static_cast<std::int16_t>(day), first);
                        const int row = (firstColumn - 1 + day - 1) / 7 + 1;
                        if (weekdayInColumn(cell.column, first) != weekday || cell.row != row || row > 6)
                            QFAIL(qPrintable(QStringLiteral("%1-%2-%3 from %4").arg(year).arg(month).arg(day).arg(first)));
                        weekday = weekday % 7 + 1;
                    }
                }
            }
        }
    }
};

MARVANE_TEST_MAIN(TestDateMath)
#include "tst_datemath.moc"
