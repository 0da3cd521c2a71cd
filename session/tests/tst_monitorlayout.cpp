#include "session/MonitorLayout.h"
#include "tests/support/DbusSession.h"
#include "tests/support/TestMain.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QObject>

// Mutter's DisplayConfig types, as GetCurrentState sends them.
struct MonitorId
{
    QString connector, vendor, product, serial;
};
struct Mode
{
    QString id;
    int width = 0, height = 0;
    double refresh = 60, preferredScale = 1;
    QList<double> scales{1.0};
    QVariantMap properties;
};
struct Monitor
{
    MonitorId id;
    QList<Mode> modes;
    QVariantMap properties;
};
struct LogicalMonitor
{
    int x = 0, y = 0;
    double scale = 1;
    uint transform = 0;
    bool primary = false;
    QList<MonitorId> monitors;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(MonitorId)
Q_DECLARE_METATYPE(Mode)
Q_DECLARE_METATYPE(Monitor)
Q_DECLARE_METATYPE(LogicalMonitor)

QDBusArgument &operator<<(QDBusArgument &a, const MonitorId &m)
{
    a.beginStructure();
    a << m.connector << m.vendor << m.product << m.serial;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, MonitorId &m)
{
    a.beginStructure();
    a >> m.connector >> m.vendor >> m.product >> m.serial;
    a.endStructure();
    return a;
}
QDBusArgument &operator<<(QDBusArgument &a, const Mode &m)
{
    a.beginStructure();
    a << m.id << m.width << m.height << m.refresh << m.preferredScale << m.scales << m.properties;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, Mode &m)
{
    a.beginStructure();
    a >> m.id >> m.width >> m.height >> m.refresh >> m.preferredScale >> m.scales >> m.properties;
    a.endStructure();
    return a;
}
QDBusArgument &operator<<(QDBusArgument &a, const Monitor &m)
{
    a.beginStructure();
    a << m.id << m.modes << m.properties;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, Monitor &m)
{
    a.beginStructure();
    a >> m.id >> m.modes >> m.properties;
    a.endStructure();
    return a;
}
QDBusArgument &operator<<(QDBusArgument &a, const LogicalMonitor &m)
{
    a.beginStructure();
    a << m.x << m.y << m.scale << m.transform << m.primary << m.monitors << m.properties;
    a.endStructure();
    return a;
}
const QDBusArgument &operator>>(const QDBusArgument &a, LogicalMonitor &m)
{
    a.beginStructure();
    a >> m.x >> m.y >> m.scale >> m.transform >> m.primary >> m.monitors >> m.properties;
    a.endStructure();
    return a;
}

// Answers GetCurrentState with the layout it is given.
class StandInMutter : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Mutter.DisplayConfig")

public:
    QList<Monitor> monitors;
    QList<LogicalMonitor> logical;

public Q_SLOTS:
    uint GetCurrentState(QList<Monitor> &monitorsOut, QList<LogicalMonitor> &logicalOut, QVariantMap &properties)
    {
        monitorsOut = monitors;
        logicalOut = logical;
        properties = {};
        return 1;
    }
};

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

    std::unique_ptr<marvane::test::DbusSession> m_bus;

private Q_SLOTS:
    void swayOutputs_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QRect>("primary");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<double>("scale");
        QTest::newRow("one output, scale 1")
            << "[" + output("HDMI-A-1", true, true, 0, 0, 1920, 1080, 1) + "]" << QRect(0, 0, 1920, 1080)
            << QRect(0, 0, 1920, 1080) << 1.0;
        // At 200 % sway reports 1280 x 800 logical: the picture is painted at the real 2560 x 1600.
        QTest::newRow("one output, scale 2")
            << "[" + output("eDP-1", true, true, 0, 0, 1280, 800, 2) + "]" << QRect(0, 0, 2560, 1600)
            << QRect(0, 0, 2560, 1600) << 2.0;
        QTest::newRow("fractional scale rounds")
            << "[" + output("eDP-1", true, true, 0, 0, 1366, 768, 1.25) + "]" << QRect(0, 0, 1708, 960)
            << QRect(0, 0, 1708, 960) << 1.25;
        QTest::newRow("the focused one of two, not the first")
            << "[" + output("DP-1", true, false, 0, 0, 1280, 1024, 1) + "," +
                   output("DP-2", true, true, 1280, 0, 1920, 1080, 1) + "]"
            << QRect(1280, 0, 1920, 1080) << QRect(0, 0, 3200, 1080) << 1.0;
        QTest::newRow("an inactive output is no monitor")
            << "[" + output("DP-1", false, false, 0, 0, 1280, 1024, 1) + "," +
                   output("DP-2", true, true, 0, 0, 1920, 1080, 1) + "]"
            << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 1080) << 1.0;
    }
    void swayOutputs()
    {
        QFETCH(QByteArray, json);
        QFETCH(QRect, primary);
        QFETCH(QRect, bounds);
        QFETCH(double, scale);
        const std::optional<MonitorLayout> layout = MonitorLayout::fromSwayOutputs(json);
        QVERIFY(layout);
        QCOMPARE(layout->primary, primary);
        QCOMPARE(layout->bounds(), bounds);
        QCOMPARE(layout->primaryScale, std::optional<double>(scale));
    }

    void initTestCase()
    {
        m_bus = std::make_unique<marvane::test::DbusSession>();
        QVERIFY2(m_bus->isRunning(), qPrintable(m_bus->error()));
        qDBusRegisterMetaType<MonitorId>();
        qDBusRegisterMetaType<QList<MonitorId>>();
        qDBusRegisterMetaType<Mode>();
        qDBusRegisterMetaType<QList<Mode>>();
        qDBusRegisterMetaType<Monitor>();
        qDBusRegisterMetaType<QList<Monitor>>();
        qDBusRegisterMetaType<LogicalMonitor>();
        qDBusRegisterMetaType<QList<LogicalMonitor>>();
    }

    // The primary logical monitor's current mode, in device pixels, turned as it is shown.
    void mutter_data()
    {
        QTest::addColumn<uint>("transform");
        QTest::addColumn<QRect>("primary");
        QTest::newRow("upright, right of another") << 0u << QRect(1920, 0, 2560, 1440);
        QTest::newRow("turned a quarter") << 1u << QRect(1920, 0, 1440, 2560);
        QTest::newRow("upside down") << 2u << QRect(1920, 0, 2560, 1440);
    }
    void mutter()
    {
        QFETCH(uint, transform);
        QFETCH(QRect, primary);
        QVERIFY(!MonitorLayout::fromMutter()); // nobody answers yet
        StandInMutter mutter;
        const MonitorId laptop{QStringLiteral("eDP-1"), QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("1")};
        const MonitorId big{QStringLiteral("DP-1"), QStringLiteral("x"), QStringLiteral("z"), QStringLiteral("2")};
        const auto mode = [](int w, int h, bool current) {
            Mode m;
            m.id = QStringLiteral("%1x%2").arg(w).arg(h);
            m.width = w;
            m.height = h;
            if (current)
                m.properties.insert(QStringLiteral("is-current"), true);
            return m;
        };
        mutter.monitors = {Monitor{laptop, {mode(1920, 1080, true)}, {}},
                           Monitor{big, {mode(3840, 2160, false), mode(2560, 1440, true)}, {}}};
        // At 200 % the logical layout places the big monitor after the laptop's 1920 pixels.
        mutter.logical = {LogicalMonitor{0, 0, 1, 0, false, {laptop}, {}},
                          LogicalMonitor{1920, 0, 2, transform, true, {big}, {}}};
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(QStringLiteral("/org/gnome/Mutter/DisplayConfig"), &mutter,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.gnome.Mutter.DisplayConfig")));
        const std::optional<MonitorLayout> layout = MonitorLayout::fromMutter();
        bus.unregisterService(QStringLiteral("org.gnome.Mutter.DisplayConfig"));
        bus.unregisterObject(QStringLiteral("/org/gnome/Mutter/DisplayConfig"));
        QVERIFY(layout);
        QCOMPARE(layout->primary, primary);
        QCOMPARE(layout->monitors.size(), 2);
        QCOMPARE(layout->primaryScale, std::optional<double>(2.0));
    }

    void swayGarbageIsNoLayout()
    {
        QVERIFY(!MonitorLayout::fromSwayOutputs("not json"));
        QVERIFY(!MonitorLayout::fromSwayOutputs("[]"));
    }
};

MARVANE_TEST_MAIN(TestMonitorLayout)
#include "tst_monitorlayout.moc"
