#include "desktop/WallpaperInstaller.h"

#include "platform/AppPaths.h"
#include "platform/PhaseLog.h"
#include "desktop/AtomicFile.h"
#include "desktop/BmpWriter.h"
#include "desktop/MonitorLayout.h"
#include "desktop/WallpaperBackend.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <future>
#include <optional>
#include <sys/file.h>
#include <system_error>
#include <unistd.h>

namespace marvane {

QString WallpaperInstaller::bitmapPath(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("temp.bmp"));
}

namespace {

// Serialises saving and installing between processes of the same folder (a log-on run and the
// user's own, say): otherwise one run's clean-up deletes the copy the other just installed.
class FolderLock
{
public:
    // The folder itself is locked, so no lock file is left beside the program.
    explicit FolderLock(const QString &applicationDirectory)
        : m_fd(::open(QFile::encodeName(applicationDirectory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        // A folder that cannot be opened cannot be written either; the save then says why.
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        removeStaleTemporaries(applicationDirectory);
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

private:
    // A run killed while writing leaves ".temp.bmp.XXXXXX" behind; under the lock none is in use.
    static void removeStaleTemporaries(const QString &applicationDirectory)
    {
        const QDir dir(applicationDirectory);
        static const QRegularExpression temporary(QStringLiteral("^\\.temp\\.bmp\\.[A-Za-z0-9]{6}$"));
        for (const QString &name : dir.entryList({QStringLiteral(".temp.bmp.*")}, QDir::Files | QDir::Hidden))
            if (temporary.match(name).hasMatch())
                QFile::remove(dir.filePath(name));
    }

    int m_fd;
};

Result<> writeBitmap(const QImage &picture, const QString &path)
{
    // Not synced: the file is painted anew at every run, and a sync costs more than all the painting.
    return writeFileAtomically(path, [&picture](QIODevice &out) { return writeBmp24(picture, out); }, false);
}

} // namespace

Result<> WallpaperInstaller::saveBitmap(const QImage &picture, const QString &applicationDirectory)
{
    const FolderLock lock(applicationDirectory);
    return writeBitmap(picture, bitmapPath(applicationDirectory));
}

Result<> WallpaperInstaller::install(const QImage &picture, const QString &applicationDirectory,
                                        const DesktopSession &session, QRgb background)
{
    const FolderLock lock(applicationDirectory);
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
    const auto desktop = WallpaperBackend::forSession(session);
    const Result<> installed =
        desktop->install({path, picture, bitmapReady, MonitorLayout::ofDesktop(*desktop), background});
    if (const Result<> saved = bitmapReady(); !saved.has_value())
        return saved;
    if (!installed.has_value())
        return Failure(path, QStringLiteral("the wallpaper was not set: %1").arg(installed.error().reason()));
    return {};
}

} // namespace marvane
