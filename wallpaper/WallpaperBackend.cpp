#include "wallpaper/WallpaperBackend.h"

#include "files/AtomicFile.h"
#include "wallpaper/BmpWriter.h"
#include "session/DisplayScale.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QScreen>
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

Result<QString> linkedCopy(const QString &bitmap)
{
    const QString fresh = copyName(bitmap, u"bmp"_s);
    QFile::remove(fresh);
    // A hard link costs nothing; the next bitmap is a new file, so the link keeps this picture.
    if (::link(QFile::encodeName(bitmap).constData(), QFile::encodeName(fresh).constData()) != 0 &&
        !QFile::copy(bitmap, fresh))
        return fail(fresh, u"cannot write %1"_s.arg(fresh));
    return fresh;
}

Result<QString> writtenCopy(const QString &fresh, const std::function<Result<>(QIODevice &)> &writer)
{
    if (const Result<> written = writeFileAtomically(fresh, writer, false, true); !written.has_value())
        return std::unexpected(written.error());
    return fresh;
}

Result<QString> pngCopy(const QString &bitmap, const QImage &picture)
{
    return writtenCopy(copyName(bitmap, u"png"_s), [&picture](QIODevice &out) -> Result<> {
        QImageWriter writer(&out, "png");
        // zlib's fastest level: the picture is mostly flat colour, which packs well anyway.
        writer.setQuality(80);
        if (!writer.write(picture))
            return fail({}, writer.errorString());
        return {};
    });
}

// The bounding box of all monitors: the desktop colour, and the picture where the primary monitor is.
Result<QString> spanningCopy(const WallpaperRequest &request)
{
    const QRect bounds = request.layout.bounds();
    QImage box(bounds.size(), QImage::Format_RGB32);
    box.fill(request.background);
    QPainter(&box).drawImage(request.layout.primary.topLeft() - bounds.topLeft(), request.picture);
    return writtenCopy(copyName(request.bitmap, u"bmp"_s), [&box](QIODevice &out) { return writeBmp24(box, out); });
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

bool isX11Session()
{
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY");
}

} // namespace

Result<> WallpaperBackend::restoreSettings(const WallpaperSettings &)
{
    return fail(u"wallpaper"_s, u"this desktop does not say which wallpaper it shows, so none can be put back"_s);
}

Result<> WallpaperBackend::install(const WallpaperRequest &request)
{
    if (request.bitmapReady) {
        if (const Result<> written = request.bitmapReady(); !written.has_value())
            return written;
    }
    // A failure is told as the bitmap's: that is the file the user knows.
    const auto asBitmaps = [&request](const Failure &f) { return fail(request.bitmap, f.reason()); };
    if (const Result<> reached = prepare(); !reached.has_value())
        return asBitmaps(reached.error());
    const bool spanning = spansMonitors() && !request.layout.primary.isEmpty() &&
                          request.layout.bounds().size() != request.picture.size();
    const Copy kind = copy();
    const Result<QString> path = spanning              ? spanningCopy(request)
                                 : kind == Copy::Link ? linkedCopy(request.bitmap)
                                 : kind == Copy::Png  ? pngCopy(request.bitmap, request.picture)
                                                      : Result<QString>(request.bitmap);
    if (!path)
        return asBitmaps(path.error());
    if (const Result<> shown = show(*path); !shown.has_value())
        return asBitmaps(shown.error());
    if (*path != request.bitmap)
        removeOldCopies(request.bitmap, *path, [this] { return currentPicture(); });
    return {};
}

std::optional<MonitorLayout> WallpaperBackend::monitorLayout() const
{
    // Asked of the X server itself, so that a run without Qt's X11 platform paints the same size.
    if (saysWhereMonitorsAre())
        return m_session.x11 ? MonitorLayout::fromX11(*m_session.x11) : std::nullopt;
    return std::nullopt;
}

double WallpaperBackend::displayScale() const
{
    if (const std::optional<double> own = desktopScale())
        return *own;
    const bool x11 = isX11Session();
    if (const std::optional<double> dpi = x11 && m_session.x11 ? displayscale::fromX11(*m_session.x11) : std::nullopt)
        return *dpi;
    if (const std::optional<double> asked = displayscale::fromEnvironment())
        return *asked;
    // A silent run on X11 has no screens from Qt; the window's must not paint otherwise.
    const QScreen *primary = x11 ? nullptr : QGuiApplication::primaryScreen();
    return primary ? primary->devicePixelRatio() : 1.0;
}

bool WallpaperBackend::saysWhereMonitorsAre() const
{
    return isX11Session();
}

QString WallpaperBackend::pictureFileIn(const QString &setting)
{
    QString text = setting.trimmed();
    // gsettings quotes its strings: the first quoted one, when there is one.
    if (text.startsWith(u'\'')) {
        const qsizetype end = text.indexOf(u'\'', 1);
        text = end > 0 ? text.mid(1, end - 1) : QString();
    }
    if (text.startsWith(u"file://"_s))
        text = QUrl(text).toLocalFile();
    return QDir::isAbsolutePath(text) ? text : QString();
}

QString WallpaperBackend::fileUri(const QString &path)
{
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded(QUrl::FullyEncoded));
}

} // namespace marvane
