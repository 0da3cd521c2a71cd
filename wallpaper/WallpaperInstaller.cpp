#include "wallpaper/WallpaperInstaller.h"

#include "platform/AppPaths.h"
#include "platform/PhaseLog.h"
#include "files/AtomicFile.h"
#include "wallpaper/BmpWriter.h"
#include "wallpaper/Desktop.h"

#include <QFileInfo>

#include <future>
#include <optional>
#include <system_error>

namespace marvane {

QString WallpaperInstaller::bitmapPath(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("temp.bmp"));
}

bool WallpaperInstaller::isOwnPicture(const QString &path, const QString &applicationDirectory)
{
    const QFileInfo shown(path);
    return !path.isEmpty() && shown.absolutePath() == QFileInfo(applicationDirectory).absoluteFilePath() &&
           (shown.fileName() == QStringLiteral("temp.bmp") || shown.fileName().startsWith(QStringLiteral(".temp-wallpaper-")));
}

namespace {

// Saving and installing are serialised between processes of the same folder (a log-on run and
// the user's own, say): otherwise one run's clean-up deletes the copy the other just installed.
// Under that lock no temporary bitmap is in use, so any is a killed run's.
class InstallLock
{
public:
    explicit InstallLock(const QString &applicationDirectory) : m_lock(applicationDirectory)
    {
        removeStaleTemporaries(WallpaperInstaller::bitmapPath(applicationDirectory));
    }

private:
    FileLock m_lock;
};

Result<> writeBitmap(const QImage &picture, const QString &path)
{
    // Not synced: the file is painted anew at every run, and a sync costs more than all the painting.
    return writeFileAtomically(path, [&picture](QIODevice &out) { return writeBmp24(picture, out); }, false, true);
}

} // namespace

Result<> WallpaperInstaller::saveBitmap(const QImage &picture, const QString &applicationDirectory)
{
    const InstallLock lock(applicationDirectory);
    return writeBitmap(picture, bitmapPath(applicationDirectory));
}

Result<> WallpaperInstaller::install(const QImage &picture, const QString &applicationDirectory,
                                     const Desktop &desktop, QRgb background)
{
    const InstallLock lock(applicationDirectory);
    const QString path = bitmapPath(applicationDirectory);
    // Written under a temporary name and renamed, so the desktop never reads half a picture.
    const auto write = [&picture, &path] {
        Result<> e = writeBitmap(picture, path);
        markPhase("bmp");
        return e;
    };
    // On its own thread while the desktop is being reached; the desktop changes only once it is done.
    std::future<Result<>> writing;
    try {
        writing = std::async(std::launch::async, write);
    } catch (const std::system_error &) {
        writing = std::async(std::launch::deferred, write);
    }
    std::optional<Result<>> written;
    const auto bitmapReady = [&] {
        if (!written)
            written = writing.get();
        return *written;
    };
    const Result<> installed =
        desktop.backend().install({path, picture, bitmapReady, desktop.monitorLayout(), background});
    if (const Result<> saved = bitmapReady(); !saved.has_value())
        return saved;
    if (!installed.has_value())
        return fail(path, QStringLiteral("the wallpaper was not set: %1").arg(installed.error().reason()));
    return {};
}

} // namespace marvane
