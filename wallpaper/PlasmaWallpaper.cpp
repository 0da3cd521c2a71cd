#include "wallpaper/PlasmaWallpaper.h"

#include "platform/Quoting.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace marvane {

using namespace Qt::StringLiterals;

Result<> PlasmaWallpaper::show(const QString &file)
{
    const QString script = u"var all = desktops();"
                           "for (var i = 0; i < all.length; ++i) {"
                           "  var d = all[i];"
                           "  d.wallpaperPlugin = \"org.kde.image\";"
                           "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                           "  d.writeConfig(\"Image\", %1);"
                           "  d.writeConfig(\"FillMode\", 2);"
                           "}"
                           "print(all.length);"_s.arg(backslashQuoted(fileUri(file), u'"', {}));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(u"plasmashell"_s, u"no D-Bus session: %1"_s.arg(bus.lastError().message()));
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.plasmashell"_s, u"/PlasmaShell"_s,
                                                       u"org.kde.PlasmaShell"_s, u"evaluateScript"_s);
    call << script;
    const QDBusMessage reply = bus.call(call, QDBus::Block, 15000);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return fail(u"plasmashell"_s, u"Plasma refused the wallpaper: %1"_s.arg(reply.errorMessage()));
    // The script prints how many desktops it set; a shell without a desktop sets none.
    bool counted = false;
    const int desktops = reply.arguments().value(0).toString().trimmed().section(u'\n', -1).toInt(&counted);
    if (!counted)
        return fail(u"plasmashell"_s, u"Plasma did not say whether it set the wallpaper"_s);
    if (desktops == 0)
        return fail(u"plasmashell"_s, u"Plasma has no desktop to show the wallpaper on"_s);
    return {};
}

QString PlasmaWallpaper::currentPicture() const
{
    QFile in(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                 .filePath(QStringLiteral("plasma-org.kde.plasma.desktop-appletsrc")));
    if (in.open(QIODevice::ReadOnly))
        for (const QByteArray &line : in.readAll().split('\n'))
            if (line.startsWith("Image="))
                return QString::fromUtf8(line.mid(6).trimmed());
    return {};
}

} // namespace marvane
