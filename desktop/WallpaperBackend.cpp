#include "desktop/WallpaperBackend.h"

#include "desktop/AtomicFile.h"
#include "desktop/BmpWriter.h"
#include "desktop/GsettingsWallpaper.h"
#include "desktop/LayerShellWallpaper.h"
#include "desktop/PcmanfmWallpaper.h"
#include "desktop/PlasmaWallpaper.h"
#include "desktop/X11RootWallpaper.h"
#include "desktop/XfceWallpaper.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QUrl>

#include <unistd.h>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// A name beside the bitmap that no earlier copy had.
QString copyName(const QString &bitmap, const QString &suffix)
{
    const QFileInfo info(bitmap);
    return info.dir().filePath(u".%1-wallpaper-%2.%3"_s.arg(info.completeBaseName())
                                   .arg(QDateTime::currentMSecsSinceEpoch())
                                   .arg(suffix));
}

QString linkedCopy(const QString &bitmap, QString *error)
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

QString writtenCopy(const QString &fresh, const std::function<WriteError(QIODevice &)> &writer, QString *error)
{
    if (const WriteError e = writeFileAtomically(fresh, writer, false)) {
        *error = e.message();
        return {};
    }
    return fresh;
}

QString pngCopy(const QString &bitmap, const QImage &picture, QString *error)
{
    return writtenCopy(copyName(bitmap, u"png"_s), [&picture](QIODevice &out) {
        QImageWriter writer(&out, "png");
        // zlib's fastest level: the picture is mostly flat colour, which packs well anyway.
        writer.setQuality(80);
        return writer.write(picture) ? WriteError() : WriteError({}, writer.errorString());
    }, error);
}

// The bounding box of all monitors: the desktop colour, and the picture where the primary monitor is.
QString spanningCopy(const WallpaperRequest &request, QString *error)
{
    const QRect bounds = request.layout.bounds();
    QImage box(bounds.size(), QImage::Format_RGB32);
    box.fill(request.background);
    QPainter(&box).drawImage(request.layout.primary.topLeft() - bounds.topLeft(), request.picture);
    return writtenCopy(copyName(request.bitmap, u"bmp"_s), [&box](QIODevice &out) { return writeBmp24(box, out); },
                       error);
}

// Earlier copies, once the desktop shows the new one. A copy that a setting still names
// (another run's, or the dark variant's) stays.
void removeOldCopies(const QString &bitmap, const QString &fresh, const std::function<QString()> &setting)
{
    const QFileInfo info(bitmap);
    const QString stem = u".%1-wallpaper-"_s.arg(info.completeBaseName());
    QStringList old = info.dir().entryList({stem + u"*.bmp"_s, stem + u"*.png"_s}, QDir::Files | QDir::Hidden);
    old.removeAll(QFileInfo(fresh).fileName());
    if (old.isEmpty())
        return;
    const QString named = setting();
    for (const QString &entry : old)
        if (!named.contains(entry))
            QFile::remove(info.dir().filePath(entry));
}

// A session whose desktop is none of those known: nothing can be set, and that is said.
class NoWallpaper final : public WallpaperBackend
{
public:
    using WallpaperBackend::WallpaperBackend;
    WriteError install(const WallpaperRequest &request) override
    {
        return WriteError(request.bitmap, u"no supported desktop found (%1)"_s.arg(session().detected));
    }

protected:
    QString show(const QString &) override { return {}; }
};

} // namespace

std::unique_ptr<WallpaperBackend> WallpaperBackend::forSession(const DesktopSession &session)
{
    using Kind = DesktopSession::Kind;
    switch (session.kind) {
    case Kind::Gnome:
        return std::make_unique<GsettingsWallpaper>(session, GsettingsWallpaper::gnome(),
                                                    !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    case Kind::Cinnamon:
        return std::make_unique<GsettingsWallpaper>(session, GsettingsWallpaper::cinnamon(), false);
    case Kind::Mate:
        return std::make_unique<GsettingsWallpaper>(session, GsettingsWallpaper::mate(), false);
    case Kind::Plasma:
        return std::make_unique<PlasmaWallpaper>(session);
    case Kind::Xfce:
        return std::make_unique<XfceWallpaper>(session);
    case Kind::Lxqt:
        return std::make_unique<PcmanfmWallpaper>(session, true);
    case Kind::Lxde:
        return std::make_unique<PcmanfmWallpaper>(session, false);
    case Kind::Sway:
        return std::make_unique<LayerShellWallpaper>(session, true);
    case Kind::LayerShell:
        return std::make_unique<LayerShellWallpaper>(session, false);
    case Kind::X11:
        return std::make_unique<X11RootWallpaper>(session);
    case Kind::None:
        break;
    }
    return std::make_unique<NoWallpaper>(session);
}

WriteError WallpaperBackend::install(const WallpaperRequest &request)
{
    if (request.bitmapReady) {
        if (WriteError e = request.bitmapReady())
            return e;
    }
    QString error = prepare();
    if (!error.isEmpty())
        return WriteError(request.bitmap, error);
    const bool spanning = spansMonitors() && !request.layout.primary.isEmpty() &&
                          request.layout.bounds().size() != request.picture.size();
    const Copy kind = copy();
    const QString path = spanning              ? spanningCopy(request, &error)
                         : kind == Copy::Link ? linkedCopy(request.bitmap, &error)
                         : kind == Copy::Png  ? pngCopy(request.bitmap, request.picture, &error)
                                              : request.bitmap;
    if (path.isEmpty())
        return WriteError(request.bitmap, error);
    if (error = show(path); !error.isEmpty())
        return WriteError(request.bitmap, error);
    if (path != request.bitmap)
        removeOldCopies(request.bitmap, path, [this] { return currentPicture(); });
    return {};
}

std::optional<MonitorLayout> WallpaperBackend::monitorLayout() const
{
    // Asked of the X server itself, so that a run without Qt's X11 platform paints the same size.
    if (saysWhereMonitorsAre())
        return MonitorLayout::fromX11(m_session.x11);
    return std::nullopt;
}

bool WallpaperBackend::saysWhereMonitorsAre() const
{
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY");
}

QString WallpaperBackend::fileUri(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded));
}

} // namespace marvane
