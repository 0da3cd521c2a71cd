#include "wallpaper/WallpaperInstaller.h"

#include "platform/AppPaths.h"
#include "platform/PhaseLog.h"
#include "files/AtomicFile.h"
#include "wallpaper/BmpWriter.h"
#include "wallpaper/Desktop.h"

#include <QFile>
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

bool WallpaperInstaller::desktopShowsOwnPicture(const Desktop &desktop, const QString &applicationDirectory)
{
    return isOwnPicture(WallpaperBackend::pictureFileIn(desktop.backend().currentPicture()), applicationDirectory);
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

// Takes what is written and only compares it with a file, block by block, without keeping it.
class ComparingDevice final : public QIODevice
{
public:
    explicit ComparingDevice(const QString &path) : m_file(path)
    {
        m_same = m_file.open(QIODevice::ReadOnly);
        open(QIODevice::WriteOnly);
    }
    bool same() { return m_same && m_file.atEnd(); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_same)
            m_same = m_file.read(size) == QByteArrayView(data, size);
        return size;
    }

private:
    QFile m_file;
    bool m_same = false;
};

// Whether the desktop shows one of this program's bitmaps that holds `picture` already: a run
// started by the program's own save (through the path unit) then sets nothing a second time.
bool showsAlready(const QImage &picture, const Desktop &desktop, const QString &applicationDirectory)
{
    const QString shown = WallpaperBackend::pictureFileIn(desktop.backend().currentPicture());
    if (!WallpaperInstaller::isOwnPicture(shown, applicationDirectory) || !shown.endsWith(QStringLiteral(".bmp")))
        return false;
    ComparingDevice compared(shown);
    return writeBmp24(picture, compared).has_value() && compared.same();
}

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
    if (showsAlready(picture, desktop, applicationDirectory))
        return {};
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
