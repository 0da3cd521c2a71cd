#include "desktop/MonitorLayout.h"
#include "tests/support/TestMain.h"

#include <QObject>

using namespace marvane;

namespace {

// Trimmed from sway's own answer to `swaymsg -r -t get_outputs`.
QByteArray output(const char *name, bool active, bool focused, int x, int y, int w, int h, double scale)
{
    return QStringLiteral(R"({"name":"%1","active":%2,"focused":%3,"scale":%4,"rect":{"x":%5,"y":%6,"width":%7,"height":%8},)"
                          R"("current_mode":{"width":%9,"height":%10,"refresh":60000}})")
        .arg(QLatin1StringView(name), active ? QStringLiteral("true") : QStringLiteral("false"),
             focused ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(scale)
        .arg(x)
        .arg(y)
        .arg(w)
        .arg(h)
        .arg(qRound(w * scale))
        .arg(qRound(h * scale))
        .toUtf8();
}

} // namespace

class TestMonitorLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void swayOutputs_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QRect>("primary");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("one output, scale 1")
            << "[" + output("HDMI-A-1", true, true, 0, 0, 1920, 1080, 1) + "]" << QRect(0, 0, 1920, 1080)
            << QRect(0, 0, 1920, 1080);
        // At 200 % sway reports 1280 x 800 logical: the picture is painted at the real 2560 x 1600.
        QTest::newRow("one output, scale 2")
            << "[" + output("eDP-1", true, true, 0, 0, 1280, 800, 2) + "]" << QRect(0, 0, 2560, 1600)
            << QRect(0, 0, 2560, 1600);
        QTest::newRow("fractional scale rounds")
            << "[" + output("eDP-1", true, true, 0, 0, 1366, 768, 1.25) + "]" << QRect(0, 0, 1708, 960)
            << QRect(0, 0, 1708, 960);
        QTest::newRow("the focused one of two, not the first")
            << "[" + output("DP-1", true, false, 0, 0, 1280, 1024, 1) + "," +
                   output("DP-2", true, true, 1280, 0, 1920, 1080, 1) + "]"
            << QRect(1280, 0, 1920, 1080) << QRect(0, 0, 3200, 1080);
        QTest::newRow("an inactive output is no monitor")
            << "[" + output("DP-1", false, false, 0, 0, 1280, 1024, 1) + "," +
                   output("DP-2", true, true, 0, 0, 1920, 1080, 1) + "]"
            << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1080);
    }
    void swayOutputs()
    {
        QFETCH(QByteArray, json);
        QFETCH(QRect, primary);
        QFETCH(QRect, bounds);
        const std::optional<MonitorLayout> layout = MonitorLayout::fromSwayOutputs(json);
        QVERIFY(layout);
        QCOMPARE(layout->primary, primary);
        QCOMPARE(layout->bounds(), bounds);
    }

    void swayGarbageIsNoLayout()
    {
        QVERIFY(!MonitorLayout::fromSwayOutputs("not json"));
        QVERIFY(!MonitorLayout::fromSwayOutputs("[]"));
    }
};

MARVANE_TEST_MAIN(TestMonitorLayout)
#include "tst_monitorlayout.moc"
