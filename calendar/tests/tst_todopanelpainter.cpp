#include "calendar/CalendarPainter.h"
#include "tests/support/CanvasProbe.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"
#include "platform/Fonts.h"
#include "tests/support/TestMain.h"
#include "calendar/ToDoPanelPainter.h"

#include <QObject>

using namespace marvane;
using marvane::test::countColor;
using marvane::test::inkBounds;

namespace {

const QRgb kDesktop = SystemColors::entry(1) | 0xFF000000;
const QRgb kGrey = SystemColors::entry(17) | 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

struct Scene
{
    FixedClock clock{QDate(2005, 5, 17)};
    FixedScreen screen{QSize(1024, 768)};
    LocaleNames names{QLocale(QLocale::English, QLocale::UnitedStates)};
    Options options = Options::defaults();
    Canvas canvas;
    ToDoStore::Items items;

    const QImage &paint(bool panel = true)
    {
        const RenderContext context{clock, screen, names, nullptr, screen.scale()};
        if (!paintCalendar(canvas, options, Palette::of(options), context, 2005, 5))
            qFatal("the calendar could not be painted");
        if (panel)
            paintToDoPanel(canvas, options, Palette::of(options), LengthScale::of(options, screen.scale()), items);
        return canvas.image();
    }
};

// The band of row i (0 = heading) inside the panel, between its rules.
QRect rowBand(int i)
{
    return QRect(614, 316 + 21 * i, 400, 14);
}

} // namespace

class TestToDoPanelPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // With days ahead the panel lists today's items that are set, then each day with items under
    // a heading in the user's language; what does not fit is counted on the last line.
    void daysAhead_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("todayItems");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("events");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("two days") << us << 2
                                  << QStringList{QStringLiteral("1. item 1"), QStringLiteral("2. item 2"),
                                                 QStringLiteral("Fri 11 Dec"), QStringLiteral("   dentist"),
                                                 QStringLiteral("Sun 13 Dec"), QStringLiteral("   party"),
                                                 QStringLiteral("   cake")} << false;
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 0
                                << QStringList{QStringLiteral("Fr. 11 Dez."), QStringLiteral("   dentist"),
                                               QStringLiteral("So. 13 Dez."), QStringLiteral("   party"),
                                               QStringLiteral("   cake")} << false;
        // Today's events before today's items; a day with events only gets its heading too.
        QTest::newRow("events first, in German")
            << QLocale(QLocale::German, QLocale::Germany) << 1
            << QStringList{QStringLiteral("Feiertag"), QStringLiteral("09:00  Standup"), QStringLiteral("1. item 1"),
                           QStringLiteral("Fr. 11 Dez."), QStringLiteral("   dentist"), QStringLiteral("Sa. 12 Dez."),
                           QStringLiteral("   18:30  Konzert"), QStringLiteral("So. 13 Dez."), QStringLiteral("   party"),
                           QStringLiteral("   cake")}
            << true;
        QStringList full;
        for (int i = 1; i <= 11; ++i)
            full << QStringLiteral("%1. item %1").arg(i);
        QTest::newRow("more than fits") << us << 12 << (full << QStringLiteral("+4 more")) << false;
    }
    void daysAhead()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, todayItems);
        QFETCH(QStringList, expected);
        QFETCH(bool, events);
        ToDoStore::Items today;
        for (int i = 0; i < todayItems; ++i)
            today[std::size_t(i)] = QStringLiteral("item %1").arg(i + 1);
        ToDoStore::Items eleventh, thirteenth;
        eleventh[4] = QStringLiteral("dentist");
        thirteenth[0] = QStringLiteral("party");
        thirteenth[11] = QStringLiteral("cake");
        const LocaleNames names(locale);
        const QList<CalendarEvent> calendar{{QDate(2026, 12, 10), QTime(), QStringLiteral("Feiertag")},
                                            {QDate(2026, 12, 10), QTime(9, 0), QStringLiteral("Standup")},
                                            {QDate(2026, 12, 12), QTime(18, 30), QStringLiteral("Konzert")}};
        QStringList lines;
        for (const PanelLine &line : toDoPanelLines(today, {{QDate(2026, 12, 11), eleventh}, {QDate(2026, 12, 13), thirteenth}},
                                                    &names, events ? calendar : QList<CalendarEvent>(), QDate(2026, 12, 10)))
            lines << line.text;
        while (expected.size() < ToDoStore::kItems)
            expected << QString();
        QCOMPARE(lines, expected);
    }

    void initTestCase() { QVERIFY(Fonts::ensureLoaded().has_value()); }

    void fillAndRules()
    {
        Scene s;
        const QImage &img = s.paint();
        QCOMPARE(img.pixel(614, 300), kWhite);
        QCOMPARE(img.pixel(1013, 599), kWhite);
        QCOMPARE(img.pixel(613, 300), kDesktop);
        QCOMPARE(img.pixel(614, 299), kDesktop);
        QCOMPARE(img.pixel(1014, 599), kDesktop);
        QCOMPARE(img.pixel(614, 600), kDesktop);
        for (int i = 1; i <= 13; ++i) {
            const int y = 310 + 21 * i;
            QCOMPARE(countColor(img, QRect(624, y, 380, 1), kGrey), 380);
            QCOMPARE(img.pixel(623, y), kWhite);
            QCOMPARE(img.pixel(1004, y), kWhite);
        }
    }

    void rowsLineUpOnTheirFullStops()
    {
        Scene s;
        s.options.toDoTextColor = 0x00000000;
        const QImage &img = s.paint();
        const QRect heading = inkBounds(img, rowBand(0), kWhite);
        QVERIFY(heading.left() >= 624 && heading.left() < 624 + 8);
        int stopEdge = -1;
        for (int i = 1; i <= 12; ++i) {
            const QRect ink = inkBounds(img, rowBand(i), kWhite);
            const int start = i <= 9 ? 642 : 634;
            QVERIFY2(ink.left() >= start && ink.left() < start + 8, qPrintable(QString::number(i)));
            // Every row ends in "n. ": the full stop's cell is 650..657 in all twelve.
            QVERIFY(ink.right() >= 650 && ink.right() <= 657);
            if (stopEdge < 0)
                stopEdge = ink.right();
            QCOMPARE(ink.right(), stopEdge);
        }
    }

    void longItemEndsAtThePanelsEdge()
    {
        Scene s;
        s.items[0] = QString(50, u'W');
        const QImage &img = s.paint();
        // Cut short with an ellipsis that ends inside the panel (614..1013), on its own row only.
        QVERIFY(inkBounds(img, QRect(1014, 316 + 21, 10, 14), kDesktop).isEmpty());
        const QRect ink = inkBounds(img, rowBand(1), kWhite);
        QVERIFY2(ink.right() < 1014 && ink.right() > 990, qPrintable(QString::number(ink.right())));
        QVERIFY(inkBounds(img, rowBand(2), kWhite).right() <= 657);
    }

    // The panel stays at its place unless that covers the box; then it goes 40 pixels below a top
    // corner's box or above a bottom corner's, on the box's left edge.
    void panelNeverCoversTheBox_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("offsetY");
        QTest::addColumn<QPoint>("panel");
        for (int corner : {0, 1, 3})
            QTest::addRow("1024x768, corner %d", corner) << QSize(1024, 768) << corner << 10 << QPoint(614, 300);
        QTest::newRow("1024x768, corner 2") << QSize(1024, 768) << 2 << 10 << QPoint(614, 188);
        QTest::newRow("1024x768, corner 1 lower") << QSize(1024, 768) << 1 << 100 << QPoint(614, 390);
        for (int corner = 0; corner < 4; ++corner)
            QTest::addRow("1920x1080, corner %d", corner) << QSize(1920, 1080) << corner << 10 << QPoint(1510, 300);
    }
    void panelNeverCoversTheBox()
    {
        QFETCH(QSize, screen);
        QFETCH(int, corner);
        QFETCH(int, offsetY);
        QFETCH(QPoint, panel);
        Scene s;
        s.screen.setSize(screen);
        s.options.calendarCorner = corner;
        s.options.offsetY = offsetY;
        s.options.toDoBackColor = 0x00FFFF00;
        const QImage &img = s.paint();
        const QRect expected(panel, QSize(400, 300));
        QCOMPARE(toDoPanelBox(s.options, screen, LengthScale()), expected);
        const QRgb back = qRgb(0, 255, 255);
        QCOMPARE(img.pixel(expected.topLeft()), back);
        QCOMPARE(img.pixel(expected.bottomRight()), back);
        QCOMPARE(countColor(img, calendarBox(s.options, screen, LengthScale()).intersected(img.rect()), back), 0);
    }

    void offLeavesTheCalendarAlone()
    {
        Scene a, b;
        a.options.showToDoList = false;
        b.options.showToDoList = false;
        a.items[0] = QStringLiteral("never painted");
        QCOMPARE(a.paint(true), b.paint(false));
    }

    void itemsChangeOnlyTheirRow()
    {
        Scene a, b;
        b.items[3] = QStringLiteral("Dentist at 3 pm");
        const QImage &x = a.paint();
        const QImage &y = b.paint();
        for (int i = 0; i <= 12; ++i)
            QCOMPARE(x.copy(rowBand(i)) == y.copy(rowBand(i)), i != 4);
    }
};

MARVANE_TEST_MAIN(TestToDoPanelPainter)
#include "tst_todopanelpainter.moc"
