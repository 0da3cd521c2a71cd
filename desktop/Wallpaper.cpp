#include "desktop/Wallpaper.h"

#include "desktop/Quoting.h"
#include "desktop/X11RootWallpaper.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

#include <unistd.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

constexpr int kTimeoutMs = 15000;

// Runs a program (never through a shell); empty on success, else what went wrong.
QString run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return u"%1 is not installed"_s.arg(program);
    QProcess process;
    process.start(path, arguments);
    if (!process.waitForStarted(kTimeoutMs))
        return u"%1 did not start"_s.arg(program);
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return u"%1 did not finish"_s.arg(program);
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return u"%1 failed (exit %2): %3"_s.arg(program)
            .arg(process.exitCode())
            .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return {};
}

// A fresh name beside the bitmap, so desktops that ignore a path they already show reload it.
QString freshCopy(const QString &bitmap, QString *error)
{
    const QFileInfo info(bitmap);
    const QString stem = u".%1-wallpaper-"_s.arg(info.completeBaseName());
    const QString name = stem + QString::number(QDateTime::currentMSecsSinceEpoch()) + u".bmp"_s;
    const QString fresh = info.dir().filePath(name);
    QFile::remove(fresh);
    // A hard link costs nothing; the next bitmap is a new file, so the link keeps this picture.
    if (::link(QFile::encodeName(bitmap).constData(), QFile::encodeName(fresh).constData()) != 0 &&
        !QFile::copy(bitmap, fresh)) {
        *error = u"cannot write %1"_s.arg(fresh);
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
    QStringList old = info.dir().entryList({stem + u"*.bmp"_s}, QDir::Files | QDir::Hidden);
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
            if (run(u"gsettings"_s, {u"get"_s, schema, key}, &value).isEmpty())
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
        if (QString e = run(u"gsettings"_s, {u"set"_s, schema, key, value}); !e.isEmpty())
            return e;
    return {};
}

QString setXfce(const QString &path)
{
    QString listing;
    if (QString e = run(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-l"_s}, &listing); !e.isEmpty())
        return e;
    static const QRegularExpression property(
        u"^/backdrop/screen\\d+/monitor[^/]+/workspace\\d+/last-image$"_s);
    QStringList properties;
    for (const QString &line : listing.split(u'\n', Qt::SkipEmptyParts))
        if (property.match(line.trimmed()).hasMatch())
            properties << line.trimmed();
    if (properties.isEmpty())
        return run(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-p"_s,
                                       u"/backdrop/screen0/monitor0/workspace0/last-image"_s, u"-n"_s,
                                       u"-t"_s, u"string"_s, u"-s"_s, path});
    for (const QString &p : properties)
        if (QString e = run(u"xfconf-query"_s, {u"-c"_s, u"xfce4-desktop"_s, u"-p"_s, p, u"-s"_s, path});
            !e.isEmpty())
            return e;
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
                           "}"_s.arg(backslashQuoted(Wallpaper::fileUri(path), u'"', {}));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return u"no D-Bus session: %1"_s.arg(bus.lastError().message());
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.kde.plasmashell"_s, u"/PlasmaShell"_s,
                                                       u"org.kde.PlasmaShell"_s, u"evaluateScript"_s);
    call << script;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return u"Plasma refused the wallpaper: %1"_s.arg(reply.errorMessage());
    return {};
}

// Points the session's desktop at `path`; empty on success, else the tool's complaint.
QString setWallpaper(const DesktopSession &session, const QString &path)
{
    using Kind = DesktopSession::Kind;
    const auto uri = [&path] { return backslashQuoted(Wallpaper::fileUri(path), u'\'', {}); };
    switch (session.kind) {
    case Kind::Gnome:
        return setGnomeLike(u"org.gnome.desktop.background"_s, {u"picture-uri"_s, u"picture-uri-dark"_s}, uri());
    case Kind::Cinnamon:
        return setGnomeLike(u"org.cinnamon.desktop.background"_s, {u"picture-uri"_s}, uri());
    case Kind::Mate:
        return setGnomeLike(u"org.mate.background"_s, {u"picture-filename"_s}, backslashQuoted(path, u'\'', {}));
    case Kind::Plasma:
        return setPlasma(path);
    case Kind::Xfce:
        return setXfce(path);
    case Kind::Lxqt:
        return run(u"pcmanfm-qt"_s, {u"--set-wallpaper"_s, path});
    case Kind::Lxde:
        return run(u"pcmanfm"_s, {u"--set-wallpaper"_s, path});
    case Kind::Sway:
        return run(u"swaymsg"_s, {u"output"_s, u"*"_s, u"bg"_s, backslashQuoted(path, u'"', {}), u"fill"_s});
    case Kind::X11:
    case Kind::None:
        break;
    }
    return u"no supported desktop found (%1)"_s.arg(session.detected);
}

} // namespace

QString Wallpaper::fileUri(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded));
}

WriteError Wallpaper::install(const QString &bitmap, const QImage &image, const DesktopSession &session,
                              const std::function<WriteError()> &bitmapReady)
{
    using Kind = DesktopSession::Kind;
    // The root window takes the picture itself, so its upload can overlap the writing of the file.
    if (session.kind == Kind::X11) {
        const WriteError e = setX11RootWallpaper(image, bitmapReady);
        return e && e.file().isEmpty() ? WriteError(bitmap, e.reason()) : e;
    }
    if (bitmapReady) {
        if (WriteError e = bitmapReady())
            return e;
    }
    const auto needsFreshName = [](Kind k) {
        return k == Kind::Gnome || k == Kind::Plasma || k == Kind::Xfce || k == Kind::Mate ||
               k == Kind::Cinnamon || k == Kind::Lxqt || k == Kind::Lxde;
    };
    QString path = bitmap;
    if (needsFreshName(session.kind)) {
        QString error;
        path = freshCopy(bitmap, &error);
        if (path.isEmpty())
            return WriteError(bitmap, error);
    }
    const QString error = setWallpaper(session, path);
    if (!error.isEmpty())
        return WriteError(bitmap, error);
    if (path != bitmap)
        removeOldCopies(bitmap, path, [&session] { return currentSettings(session); });
    return {};
}

} // namespace marvane
