#include "desktop/Wallpaper.h"

#include "desktop/AtomicFile.h"
#include "desktop/BmpWriter.h"
#include "desktop/LayerShellWallpaper.h"
#include "desktop/PcmanfmQtWallpaper.h"
#include "desktop/Quoting.h"
#include "desktop/ToolRun.h"
#include "desktop/X11RootWallpaper.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QImageWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <unistd.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

constexpr int kTimeoutMs = 15000;

// A name beside the bitmap that no earlier copy had, so desktops that ignore a path they already
// show reload it.
QString copyName(const QString &bitmap, const QString &suffix)
{
    const QFileInfo info(bitmap);
    return info.dir().filePath(u".%1-wallpaper-%2.%3"_s.arg(info.completeBaseName())
                                   .arg(QDateTime::currentMSecsSinceEpoch())
                                   .arg(suffix));
}

QString freshCopy(const QString &bitmap, QString *error)
{
    const QString fresh = copyName(bitmap, u"bmp"_s);
    QFile::remove(fresh);
    // A hard link costs nothing; the next bitmap is a new file, so the link keeps this picture.
    if (::link(QFile::encodeName(bitmap).constData(), QFile::encodeName(fresh).constData()) != 0 &&
        !QFile::copy(bitmap, fresh)) {
        *error = u"cannot write %1"_s.arg(fresh);
        return {};
    }
    return fresh;
}

// A fresh copy of the bounding box of all monitors: the desktop colour, and the picture where the
// primary monitor is.
QString spanningCopy(const QString &bitmap, const QImage &picture, QSize bounds, QPoint offset, QRgb background,
                     QString *error)
{
    const QString fresh = copyName(bitmap, u"bmp"_s);
    QImage box(bounds, QImage::Format_RGB32);
    box.fill(background);
    QPainter(&box).drawImage(offset, picture);
    if (const WriteError e = writeFileAtomically(
            fresh, [&box](QIODevice &out) { return writeBmp24(box, out); }, false)) {
        *error = e.message();
        return {};
    }
    return fresh;
}

// A fresh PNG copy, for setters that may lack a BMP reader (swaybg reads BMP only through
// gdk-pixbuf, PNG always).
QString pngCopy(const QString &bitmap, const QImage &picture, QString *error)
{
    const QString fresh = copyName(bitmap, u"png"_s);
    const QImage image = picture;
    const WriteError e = writeFileAtomically(
        fresh,
        [&image](QIODevice &out) {
            QImageWriter writer(&out, "png");
            // zlib's fastest level: the picture is mostly flat colour, which packs well anyway.
            writer.setQuality(80);
            return writer.write(image) ? WriteError() : WriteError({}, writer.errorString());
        },
        false);
    if (e) {
        *error = e.message();
        return {};
    }
    return fresh;
}

// Earlier fresh copies, once the desktop shows the new one. A copy that a setting still names
// (another run's, or the dark variant's) stays.
void removeOldCopies(const QString &bitmap, const QString &fresh, const std::function<QString()> &settings)
{
    const QFileInfo info(bitmap);
    const QString stem = u".%1-wallpaper-"_s.arg(info.completeBaseName());
    QStringList old = info.dir().entryList({stem + u"*.bmp"_s, stem + u"*.png"_s}, QDir::Files | QDir::Hidden);
    old.removeAll(QFileInfo(fresh).fileName());
    if (old.isEmpty())
        return;
    const QString named = settings();
    for (const QString &entry : old)
        if (!named.contains(entry))
            QFile::remove(info.dir().filePath(entry));
}

// What the GNOME-like settings store names now, as text to search for file names.
QString currentSettings(const DesktopSession &session)
{
    using Kind = DesktopSession::Kind;
    const auto get = [](const QString &schema, const QStringList &keys) {
        QString all;
        for (const QString &key : keys) {
            QString value;
            if (runTool(u"gsettings"_s, {u"get"_s, schema, key}, &value).isEmpty())
                all += value;
        }
        return all;
    };
    switch (session.kind) {
    case Kind::Gnome:
        return get(u"org.gnome.desktop.background"_s, {u"picture-uri"_s, u"picture-uri-dark"_s});
    case Kind::Cinnamon:
        return get(u"org.cinnamon.desktop.background"_s, {u"picture-uri"_s});
    case Kind::Mate:
        return get(u"org.mate.background"_s, {u"picture-filename"_s});
    default:
        return {};
    }
}

QString setGnomeLike(const QString &schema, const QStringList &keys, const QString &value)
{
    for (const QString &key : keys)
        if (QString e = runTool(u"gsettings"_s, {u"set"_s, schema, key, value}); !e.isEmpty())
            return e;
    return {};
}

// XFCE's image-style values.
constexpr int kXfceZoomed = 5;
constexpr int kXfceSpanning = 6;

// XFCE's per-monitor backdrop folders (".../monitorX/workspaceN/"), in the order it lists them.
QStringList xfceBackdrops(QString *error)
{
    QString listing;
    if (QString e = runTool(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-l"_s}, &listing); !e.isEmpty()) {
        *error = e;
        return {};
    }
    static const QRegularExpression property(u"^(/backdrop/screen\\d+/monitor[^/]+/workspace\\d+/)last-image$"_s);
    QStringList folders;
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts))
        if (const auto m = property.match(line.trimmed()); m.hasMatch())
            folders << m.captured(1);
    return folders;
}

// Whether XFCE's first monitor spans one picture over all of them.
bool xfceSpans(const QStringList &folders)
{
    QString style;
    return !folders.isEmpty() &&
           runTool(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-p"_s, folders.first() + u"image-style"_s}, &style)
               .isEmpty() &&
           style.trimmed().toInt() == kXfceSpanning;
}

QString setXfce(const QString &path, const QStringList &known, bool spanning)
{
    const QStringList folders = known.isEmpty() ? QStringList{u"/backdrop/screen0/monitor0/workspace0/"_s} : known;
    const QString style = QString::number(spanning ? kXfceSpanning : kXfceZoomed);
    for (const QString &folder : folders) {
        const auto set = [&](const QString &key, const QString &type, const QString &value) {
            return runTool(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-p"_s, folder + key, u"-n"_s, u"-t"_s, type,
                                           u"-s"_s, value});
        };
        if (QString e = set(u"last-image"_s, u"string"_s, path); !e.isEmpty())
            return e;
        if (QString e = set(u"image-style"_s, u"int"_s, style); !e.isEmpty())
            return e;
    }
    return {};
}

QString setPlasma(const QString &path)
{
    const QString script = u"var all = desktops();"
                           "for (var i = 0; i < all.length; ++i) {"
                           "  var d = all[i];"
                           "  d.wallpaperPlugin = \"org.kde.image\";"
                           "  d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];"
                           "  d.writeConfig(\"Image\", %1);"
                           "  d.writeConfig(\"FillMode\", 2);"
                           "}"
                           "print(all.length);"_s.arg(backslashQuoted(Wallpaper::fileUri(path), u'"', {}));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return u"no D-Bus session: %1"_s.arg(bus.lastError().message());
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.plasmashell"_s, u"/PlasmaShell"_s,
                                                       u"org.kde.PlasmaShell"_s, u"evaluateScript"_s);
    call << script;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return u"Plasma refused the wallpaper: %1"_s.arg(reply.errorMessage());
    // The script prints how many desktops it set; a shell without a desktop sets none.
    bool counted = false;
    const int desktops = reply.arguments().value(0).toString().trimmed().section(u'\n', -1).toInt(&counted);
    if (!counted)
        return u"Plasma did not say whether it set the wallpaper"_s;
    if (desktops == 0)
        return u"Plasma has no desktop to show the wallpaper on"_s;
    return {};
}

// Points the session's desktop at `path`; empty on success, else the tool's complaint.
QString setWallpaper(const DesktopSession &session, const QString &path, const QStringList &xfceFolders,
                     bool spanning)
{
    using Kind = DesktopSession::Kind;
    const auto uri = [&path] { return backslashQuoted(Wallpaper::fileUri(path), u'\'', {}); };
    // "zoom" covers each monitor keeping the picture's proportions: 1:1 on the primary monitor.
    const QString zoom = u"'zoom'"_s;
    switch (session.kind) {
    case Kind::Gnome:
        if (QString e = setGnomeLike(u"org.gnome.desktop.background"_s, {u"picture-options"_s}, zoom); !e.isEmpty())
            return e;
        return setGnomeLike(u"org.gnome.desktop.background"_s, {u"picture-uri"_s, u"picture-uri-dark"_s}, uri());
    case Kind::Cinnamon:
        if (QString e = setGnomeLike(u"org.cinnamon.desktop.background"_s, {u"picture-options"_s}, zoom); !e.isEmpty())
            return e;
        return setGnomeLike(u"org.cinnamon.desktop.background"_s, {u"picture-uri"_s}, uri());
    case Kind::Mate:
        if (QString e = setGnomeLike(u"org.mate.background"_s, {u"picture-options"_s}, zoom); !e.isEmpty())
            return e;
        return setGnomeLike(u"org.mate.background"_s, {u"picture-filename"_s}, backslashQuoted(path, u'\'', {}));
    case Kind::Plasma:
        return setPlasma(path);
    case Kind::Xfce:
        return setXfce(path, xfceFolders, spanning);
    case Kind::Lxqt:
        // Over all monitors as one picture (the bounding box's, made for it) on X11, per monitor on Wayland.
        return setPcmanfmQtWallpaper(path, spanning ? u"stretch"_s : u"zoom"_s);
    case Kind::Lxde:
        return runTool(u"pcmanfm"_s, {u"--set-wallpaper"_s, path, u"--wallpaper-mode=crop"_s});
    case Kind::Sway:
        return runTool(u"swaymsg"_s, {u"output"_s, u"*"_s, u"bg"_s, backslashQuoted(path, u'"', {}), u"fill"_s});
    case Kind::LayerShell:
        return setLayerShellWallpaper(path);
    case Kind::X11:
    case Kind::None:
        break;
    }
    return u"no supported desktop found (%1)"_s.arg(session.detected);
}

// The file the desktop is pointed at: a fresh name for desktops that keep a path and ignore the
// same one twice, a PNG for setters that may not read BMP, else the bitmap itself.
QString fileToShow(DesktopSession::Kind kind, const QString &bitmap, const QImage &picture, QString *error)
{
    using Kind = DesktopSession::Kind;
    switch (kind) {
    case Kind::Gnome:
    case Kind::Plasma:
    case Kind::Xfce:
    case Kind::Mate:
    case Kind::Cinnamon:
    case Kind::Lxqt:
    case Kind::Lxde:
        return freshCopy(bitmap, error);
    case Kind::Sway:
    case Kind::LayerShell:
        return pngCopy(bitmap, picture, error);
    case Kind::X11:
    case Kind::None:
        break;
    }
    return bitmap;
}

} // namespace

QString Wallpaper::fileUri(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded));
}

WriteError Wallpaper::install(const QString &bitmap, const QImage &picture, const DesktopSession &session,
                              const std::function<WriteError()> &bitmapReady, const MonitorLayout &layout,
                              QRgb background)
{
    using Kind = DesktopSession::Kind;
    const QRect bounds = layout.primary.isEmpty() ? QRect(QPoint(0, 0), picture.size()) : layout.bounds();
    const QPoint offset = layout.primary.isEmpty() ? QPoint() : layout.primary.topLeft() - bounds.topLeft();
    // The root window takes the picture itself, so its upload can overlap the writing of the file.
    if (session.kind == Kind::X11) {
        // Monitor positions are root coordinates already, whether or not one starts at the origin.
        const WriteError e = setX11RootWallpaper(picture, bitmapReady, layout.primary.topLeft(), background, session.x11);
        return e && e.file().isEmpty() ? WriteError(bitmap, e.reason()) : e;
    }
    if (bitmapReady) {
        if (WriteError e = bitmapReady())
            return e;
    }
    // Desktops that draw one picture over all monitors: LXQt on X11, and XFCE when its first
    // monitor spans.
    QString xfceError;
    const QStringList xfceFolders = session.kind == Kind::Xfce ? xfceBackdrops(&xfceError) : QStringList();
    if (!xfceError.isEmpty())
        return WriteError(bitmap, xfceError);
    const bool spanning = (session.kind == Kind::Lxqt && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) ||
                          (session.kind == Kind::Xfce && xfceSpans(xfceFolders));
    QString error;
    const QString path = spanning && bounds.size() != picture.size()
                             ? spanningCopy(bitmap, picture, bounds.size(), offset, background, &error)
                             : fileToShow(session.kind, bitmap, picture, &error);
    if (path.isEmpty())
        return WriteError(bitmap, error);
    error = setWallpaper(session, path, xfceFolders, spanning);
    if (!error.isEmpty())
        return WriteError(bitmap, error);
    if (path != bitmap)
        removeOldCopies(bitmap, path, [&session] { return currentSettings(session); });
    return {};
}

} // namespace marvane
