#include "desktop/WallpaperInstaller.h"

#include "platform/AppPaths.h"
#include "desktop/AtomicFile.h"
#include "desktop/BmpWriter.h"
#include "desktop/Wallpaper.h"

#include <future>
#include <optional>
#include <system_error>

namespace marvane {

QString WallpaperInstaller::bitmapPath(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("temp.bmp"));
}

WriteError WallpaperInstaller::saveBitmap(const QImage &image, const QString &applicationDirectory)
{
    // Not synced: the file is painted anew at every run, and a sync costs more than all the painting.
    return writeFileAtomically(
        bitmapPath(applicationDirectory), [&image](QIODevice &out) { return writeBmp24(image, out); }, false);
}

WriteError WallpaperInstaller::install(const QImage &image, const QString &applicationDirectory,
                                        const DesktopSession &session)
{
    const QString path = bitmapPath(applicationDirectory);
    // Written under a temporary name and renamed, so the desktop never reads half a picture.
    const auto write = [&image, &applicationDirectory] { return saveBitmap(image, applicationDirectory); };
    // On its own thread while the desktop is being reached; the desktop changes only once it is done.
    std::future<WriteError> writing;
    try {
        writing = std::async(std::launch::async, write);
    } catch (const std::system_error &) {
        writing = std::async(std::launch::deferred, write);
    }
    std::optional<WriteError> writeError;
    const auto bitmapReady = [&] {
        if (!writeError)
            writeError = writing.get();
        return *writeError;
    };
    const WriteError error = Wallpaper::install(path, image, session, bitmapReady);
    if (const WriteError written = bitmapReady())
        return written;
    if (error)
        return WriteError(path, QStringLiteral("the wallpaper was not set: %1").arg(error.reason()));
    return {};
}

} // namespace marvane
