#include "session/MonitorLayout.h"


#include "platform/NativeGeometry.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <cmath>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// A struct's fields from Mutter's reply, read through QDBusArgument without registered types.
struct MutterMode
{
    int width = 0;
    int height = 0;
    bool current = false;
};

QVariantMap readProperties(const QDBusArgument &arg)
{
    QVariantMap map;
    arg >> map;
    return map;
}

QStringList readMonitorId(const QDBusArgument &arg)
{
    QString connector, vendor, product, serial;
    arg.beginStructure();
    arg >> connector >> vendor >> product >> serial;
    arg.endStructure();
    return {connector, vendor, product, serial};
}

// Mutter's monitors, a((ssss)a(siiddada{sv})a{sv}): the size of each one's current mode.
QMap<QStringList, MutterMode> currentModes(const QDBusArgument &monitors)
{
    QMap<QStringList, MutterMode> current;
    monitors.beginArray();
    while (!monitors.atEnd()) {
        monitors.beginStructure();
        const QStringList monitorId = readMonitorId(monitors);
        monitors.beginArray();
        while (!monitors.atEnd()) {
            QString id;
            int width = 0, height = 0;
            double refresh = 0, preferredScale = 0;
            QList<double> scales;
            monitors.beginStructure();
            monitors >> id >> width >> height >> refresh >> preferredScale >> scales;
            const QVariantMap properties = readProperties(monitors);
            monitors.endStructure();
            if (properties.value(u"is-current"_s).toBool())
                current[monitorId] = MutterMode{width, height, true};
        }
        monitors.endArray();
        readProperties(monitors);
        monitors.endStructure();
    }
    monitors.endArray();
    return current;
}

} // namespace

QRect MonitorLayout::bounds() const
{
    QRect box = primary;
    for (const QRect &m : monitors)
        box |= m;
    return box;
}

MonitorLayout MonitorLayout::fromQtScreens()
{
    MonitorLayout layout;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary) {
        layout.primary = QRect(0, 0, 1024, 768);
        layout.monitors = {layout.primary};
        return layout;
    }
    layout.primary = nativeGeometry(primary);
    for (const QScreen *screen : QGuiApplication::screens())
        layout.monitors << nativeGeometry(screen);
    return layout;
}

std::optional<MonitorLayout> MonitorLayout::fromSwayOutputs(const QByteArray &json)
{
    const QJsonArray outputs = QJsonDocument::fromJson(json).array();
    MonitorLayout layout;
    bool found = false;
    for (const QJsonValue &value : outputs) {
        const QJsonObject output = value.toObject();
        if (!output.value(u"active"_s).toBool(true))
            continue;
        const QJsonObject rect = output.value(u"rect"_s).toObject();
        const double scale = output.value(u"scale"_s).toDouble(1.0);
        const auto device = [&](const char *key) {
            return static_cast<int>(std::lround(rect.value(QLatin1StringView(key)).toDouble() * scale));
        };
        const QRect r(device("x"), device("y"), device("width"), device("height"));
        if (r.isEmpty())
            continue;
        layout.monitors << r;
        if (output.value(u"focused"_s).toBool() || !found) {
            layout.primary = r;
            layout.primaryScale = scale;
        }
        found = found || output.value(u"focused"_s).toBool();
    }
    if (layout.monitors.isEmpty())
        return std::nullopt;
    return layout;
}

std::optional<MonitorLayout> MonitorLayout::fromMutter()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.gnome.Mutter.DisplayConfig"_s,
                                                       u"/org/gnome/Mutter/DisplayConfig"_s,
                                                       u"org.gnome.Mutter.DisplayConfig"_s, u"GetCurrentState"_s);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 5000);
    // Read field by field below: anything but this exact shape is no answer.
    if (reply.type() != QDBusMessage::ReplyMessage ||
        reply.signature() != u"ua((ssss)a(siiddada{sv})a{sv})a(iiduba(ssss)a{sv})a{sv}"_s)
        return std::nullopt;

    const QMap<QStringList, MutterMode> current = currentModes(reply.arguments().at(1).value<QDBusArgument>());

    // logical monitors: a(iiduba(ssss)a{sv}); the primary one, turned as it is shown.
    MonitorLayout layout;
    const QDBusArgument logical = reply.arguments().at(2).value<QDBusArgument>();
    logical.beginArray();
    while (!logical.atEnd()) {
        int x = 0, y = 0;
        double scale = 1;
        uint transform = 0;
        bool primary = false;
        logical.beginStructure();
        logical >> x >> y >> scale >> transform >> primary;
        QList<QStringList> monitorIds;
        logical.beginArray();
        while (!logical.atEnd())
            monitorIds << readMonitorId(logical);
        logical.endArray();
        readProperties(logical);
        logical.endStructure();
        if (monitorIds.isEmpty() || !current.contains(monitorIds.first()))
            continue;
        const MutterMode mode = current.value(monitorIds.first());
        // Transforms 1, 3, 5 and 7 turn the monitor a quarter.
        const bool turned = transform % 2 == 1;
        const QRect r(x, y, turned ? mode.height : mode.width, turned ? mode.width : mode.height);
        layout.monitors << r;
        if (primary) {
            layout.primary = r;
            layout.primaryScale = scale;
        }
    }
    logical.endArray();
    if (layout.primary.isEmpty())
        return std::nullopt;
    return layout;
}

} // namespace marvane
