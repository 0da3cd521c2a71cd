#include "calendar/CardPainter.h"
#include "calendar/WallpaperPainter.h"
#include "tests/support/CanvasProbe.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"
#include "tests/support/TestMain.h"

#include <QObject>

using namespace marvane;
using marvane::test::inkBounds;

namespace {

const QRgb kDesktop = qRgb(58, 110, 165) | 0xFF000000;

// The card look over a flat desktop on Thursday, 31 December 2026, with a long item today and one
// tomorrow, in the next year.
struct Scene
{
    FixedClock clock{QDate(2026, 12, 31)};
    FixedScreen screen;
    LocaleNames names{QLocale(QLocale::English, QLocale::UnitedStates)};
    Options options = Options::defaults();
    Canvas canvas;
    ToDoStore::Items items;

    Scene(QSize size, int corner, int percent) : screen(size)
    {
        options.desktopColor = 0x00A56E3A;
        options.look = 1;
        options.markDays = 1;
        options.weekNumbers = 1;
        options.agendaDays = 2;
        options.calendarCorner = corner;
        options.calendarScale = percent;
        items[0] = QString(50, u'W');
    }
    const QImage &paint()
    {
        RenderContext context{clock, screen, names, nullptr, 1.0};
        context.daysWithItems = 1u << 31;
        ToDoStore::DayItems tomorrow{QDate(2027, 1, 1), {}};
        tomorrow.items[0] = QStringLiteral("New year");
        context.daysAhead = {tomorrow};
        if (!paintWallpaper(canvas, options, context, items, 2026, 12))
            qFatal("the wallpaper could not be painted");
        return canvas.image();
    }
};

} // namespace

class TestCardPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // In every corner and at two sizes: the calendar card keeps the offsets' size as its margin
    // from the corner's edges; the to-do card lies beside it in the same column (below a top
    // corner's, above a bottom one's) with a gap between; nothing, not even the long item, is
    // painted outside the two cards.
    void cardsStayInTheirCorner_data()
    {
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("percent");
        for (int percent : {100, 200})
            for (int corner = 0; corner < 4; ++corner)
                QTest::addRow("corner %d at %d %%", corner, percent) << corner << percent;
    }
    void cardsStayInTheirCorner()
    {
        QFETCH(int, corner);
        QFETCH(int, percent);
        Scene s(percent == 100 ? QSize(1024, 768) : QSize(2048, 1536), corner, percent);
        const QImage &img = s.paint();
        const LengthScale scale(percent / 100.0);
        const QRect card = calendarCardBox(s.options, img.size(), scale);
        const int margin = 10 * percent / 100;
        const bool right = corner == 1 || corner == 2;
        const bool bottom = corner >= 2;
        QCOMPARE(right ? img.width() - 1 - card.right() : card.left(), margin);
        QCOMPARE(bottom ? img.height() - 1 - card.bottom() : card.top(), margin);
        const QRect all = inkBounds(img, img.rect(), kDesktop);
        QCOMPARE(all.left(), card.left());
        QCOMPARE(all.right(), card.right());
        const QRect gap = bottom ? QRect(card.left(), card.top() - 6 * percent / 100, card.width(), 4)
                                 : QRect(card.left(), card.bottom() + 2 * percent / 100, card.width(), 4);
        QVERIFY(inkBounds(img, gap, kDesktop).isEmpty());
        const QRect toDo = bottom ? QRect(card.left(), 0, card.width(), card.top()) : QRect(card.left(), card.bottom() + 1, card.width(), img.height());
        QVERIFY(inkBounds(img, toDo, kDesktop).height() > 80 * percent / 100);
    }

    // The look's own keys at their standard values leave the classic picture as it was.
    void classicLookIsUntouched()
    {
        Scene card(QSize(1024, 768), 1, 100);
        Scene classic(QSize(1024, 768), 1, 100);
        classic.options.look = 0;
        classic.options.cardOpacity = 40;
        Scene standard(QSize(1024, 768), 1, 100);
        standard.options.look = 0;
        QVERIFY(classic.paint() == standard.paint());
        QVERIFY(card.paint() != standard.paint());
    }
};

MARVANE_TEST_MAIN(TestCardPainter)
#include "tst_cardpainter.moc"
