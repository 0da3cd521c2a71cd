#include "wallpaper/PlasmaWallpaper.h"

#include "platform/Quoting.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace marvane {

using namespace Qt::StringLiterals;

namespace {

// Plasma's fill mode when its settings name none: scaled and cropped.
const QString kCropped = u"2"_s;

} // namespace

Result<> PlasmaWallpaper::show(const QString &file)
{
    return showOnEveryDesktop(fileUri(file), kCropped);
}

Result<> PlasmaWallpaper::showOnEveryDesktop(const QString &image, const QString &fillMode)
{
    const QString script = u"var all = desktops();"
                           "for (var i = 0; i < all.length; ++i) {"
                           "  var d = all[i];"
                           "  d.wallpaperPlugin = \"org.kde.image\";"
                           "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                           "  d.writeConfig(\"Image\", %1);"
                           "  d.writeConfig(\"FillMode\", %2);"
                           "}"
                           "print(all.length);"_s.arg(backslashQuoted(image, u'"', {}))
                               .arg(fillMode.toInt());
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

WallpaperSettings PlasmaWallpaper::wallpaperSettings() const
{
    QFile in(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                 .filePath(u"plasma-org.kde.plasma.desktop-appletsrc"_s));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    // The first desktop's picture group: "[Containments][1][Wallpaper][org.kde.image][General]".
    QString image;
    QString fillMode = kCropped;
    bool inGroup = false;
    bool seen = false;
    for (const QByteArray &raw : in.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[')) {
            if (seen)
                break;
            inGroup = line.endsWith(u"[Wallpaper][org.kde.image][General]"_s);
            seen = inGroup;
        } else if (inGroup && line.startsWith(u"Image="_s)) {
            image = line.mid(6);
        } else if (inGroup && line.startsWith(u"FillMode="_s)) {
            fillMode = line.mid(9);
        }
    }
    return {{u"Image"_s, image}, {u"FillMode"_s, fillMode}};
}

QString PlasmaWallpaper::currentPicture() const
{
    return wallpaperSettings().value(0).second;
}

std::optional<int> PlasmaWallpaper::currentStyle() const
{
    // Plasma's stretch, fit, crop, tile, tile vertically, tile horizontally, centre.
    static const int styles[] = {3, 1, 0, 4, 4, 4, 2};
    const int mode = wallpaperSettings().value(1).second.toInt();
    return mode >= 0 && mode <= 6 ? std::optional<int>(styles[mode]) : std::nullopt;
}

Result<> PlasmaWallpaper::restoreSettings(const WallpaperSettings &settings)
{
    QString image;
    QString fillMode = kCropped;
    for (const auto &[key, value] : settings)
        (key == u"Image"_s ? image : fillMode) = value;
    return showOnEveryDesktop(image, fillMode);
}

} // namespace marvane
