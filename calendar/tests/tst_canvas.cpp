#include "calendar/Canvas.h"
#include "platform/SystemColors.h"
#include "tests/support/CanvasProbe.h"
#include "platform/Fonts.h"
#include "tests/support/TestMain.h"

#include <QObject>

#include <limits>

using namespace marvane;
using marvane::test::inkBounds;

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = qRgb(255, 0, 0);

void freshCanvas(Canvas &canvas, int w = 64, int h = 48)
{
    canvas.reset(QSize(w, h), kWhite);
}
} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(Fonts::ensureLoaded().has_value()); }

    void fillBoxLeavesOutRightAndBottom_data()
    {
        QTest::addColumn<QRect>("corners"); // x1, y1, x2, y2 packed as QRect(QPoint, QPoint)
        QTest::newRow("top-left to bottom-right") << QRect(QPoint(5, 6), QPoint(15, 20));
        QTest::newRow("bottom-right to top-left") << QRect(QPoint(15, 20), QPoint(5, 6));
    }
    void fillBoxLeavesOutRightAndBottom()
    {
        QFETCH(QRect, corners);
        Canvas canvas;
        freshCanvas(canvas);
        canvas.fillBox(corners.left(), corners.top(), corners.right(), corners.bottom(), kRed);
        const QImage &img = canvas.image();
        QCOMPARE(inkBounds(img, img.rect(), kWhite), QRect(5, 6, 10, 14));
    }

    void discIsExactAndSymmetric()
    {
        Canvas canvas;
        freshCanvas(canvas);
        canvas.setFillColor(kRed);
        canvas.setFillSolid(true);
        canvas.drawDisc(25.5, 11.5, 9.5, kRed);
        const QImage &img = canvas.image();
        // 19 pixels across and down, centred on pixel (25, 11), the top row included.
        QCOMPARE(inkBounds(img, img.rect(), kWhite), QRect(16, 2, 19, 19));
        QCOMPARE(img.pixel(25, 2), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(16, 11), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(16, 2), kWhite);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x <= 25; ++x) {
                QCOMPARE(img.pixel(x, y), img.pixel(50 - x, y));
                QCOMPARE(img.pixel(y < 23 ? 25 : 0, y), img.pixel(y < 23 ? 25 : 0, y < 23 ? 22 - y : y));
            }
    }

    void outlineOnlyWhenNotFilled()
    {
        Canvas canvas;
        freshCanvas(canvas);
        canvas.setFillSolid(false);
        canvas.drawDisc(25.5, 11.5, 9.5, kRed);
        const QImage &img = canvas.image();
        QCOMPARE(img.pixel(25, 11), kWhite);
        QCOMPARE(img.pixel(25, 2), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(34, 11), qRgb(255, 0, 0));
    }

    void fixedPitchTextStartsAtTopLeftOfItsCell()
    {
        Canvas canvas;
        freshCanvas(canvas, 64, 80);
        canvas.setFontName(QStringLiteral("FixedSys"));
        canvas.setFontSize(16);
        canvas.setForeColor(0);
        canvas.plot(40, 30);
        canvas.setForeColor(kRed);
        canvas.printText(QStringLiteral("88"));
        const QImage &img = canvas.image();
        const QRect ink = inkBounds(img, img.rect(), kWhite);
        QVERIFY2(QRect(40, 30, 16, 16).contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                                    .arg(ink.x()).arg(ink.y())
                                                                    .arg(ink.width()).arg(ink.height())));
        QVERIFY(ink.height() >= 10);
        // The next text starts a new line at the left edge, one line lower.
        canvas.printText(QStringLiteral("88"));
        const QRect next = inkBounds(canvas.image(), QRect(0, 46, 40, 30), kWhite);
        QVERIFY(!next.isEmpty() && next.left() < 16 && next.top() >= 46);
    }

    void numbersAreSpacedOrSigned_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("year") << 2005 << QStringLiteral(" 2005 ");
        QTest::newRow("negative") << -7 << QStringLiteral("-7 ");
        QTest::newRow("zero") << 0 << QStringLiteral(" 0 ");
    }
    void numbersAreSpacedOrSigned()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        Canvas a, b;
        for (Canvas *c : {&a, &b}) {
            freshCanvas(*c, 80, 20);
            c->setFontName(QStringLiteral("FixedSys"));
            c->setForeColor(0x00FFFFFF);
            c->plot(0, 0);
            c->setForeColor(kRed);
        }
        a.printNumber(number);
        b.printText(text);
        QCOMPARE(a.image(), b.image());
        // A leading space leaves the first cell empty; a minus sign does not.
        QCOMPARE(inkBounds(a.image(), QRect(0, 0, 8, 20), kWhite).isEmpty(), number >= 0);
    }

    void storedColoursResolve()
    {
        QCOMPARE(SystemColors::resolve(SystemColors::system(1)), SystemColors::entry(1) | 0xFF000000);
        QCOMPARE(SystemColors::resolve(SystemColors::system(31)), qRgb(0, 0, 0));
        QCOMPARE(SystemColors::resolve(0x00123456), qRgb(0x56, 0x34, 0x12));
        for (int n = 0; n <= 30; ++n)
            QVERIFY(SystemColors::resolve(SystemColors::system(n)) == SystemColors::entry(n));
    }

    void sameSizeKeepsTheImage()
    {
        Canvas canvas;
        freshCanvas(canvas, 300, 200);
        const uchar *before = canvas.image().constBits();
        canvas.reset(QSize(300, 200), kRed);
        QCOMPARE(canvas.image().constBits(), before);
        QCOMPARE(canvas.image().pixel(299, 199), kRed);
        canvas.reset(QSize(301, 200), kWhite);
        QCOMPARE(canvas.size(), QSize(301, 200));
    }

    void farAwayDrawingIsHarmless()
    {
        Canvas canvas;
        freshCanvas(canvas);
        constexpr auto big = std::numeric_limits<std::int32_t>::max();
        constexpr auto small = std::numeric_limits<std::int32_t>::min();
        canvas.fillBox(small, small, big, big, kRed);
        QCOMPARE(inkBounds(canvas.image(), canvas.image().rect(), qRgb(255, 0, 0)), QRect());
        freshCanvas(canvas);
        canvas.setFillSolid(true);
        canvas.drawDisc(big, big, 1e9, kRed);
        canvas.drawDisc(10, 10, -9.5, kRed);
        canvas.plot(big, small);
        canvas.printText(QStringLiteral("far away"));
        canvas.plot(-1e12, 5);
        canvas.printText(QStringLiteral("far away"));
        QCOMPARE(canvas.size(), QSize(64, 48));
    }
};

MARVANE_TEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
