#include "WallpaperInstaller.h"

#include "AppPaths.h"
#include "AtomicFile.h"
#include "BmpWriter.h"
#include "Wallpaper.h"

#include <future>
#include <optional>
#include <system_error>

namespace marvane {

QString WallpaperInstaller::bitmapPath(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("temp.bmp"));
}

WriteResult WallpaperInstaller::install(const QImage &image, const QString &applicationDirectory,
                                        const DesktopSession &session)
{
    const QString path = bitmapPath(applicationDirectory);
    // Written under a temporary name and renamed, so the desktop never reads half a picture. Not
    // synced: the file is painted anew at every run, and a sync costs more than all the painting.
    const auto write = [path, image] {
        return writeFileAtomically(
            path, [&image](QIODevice &out) { return writeBmp24(image, out); }, false);
    };
    // On its own thread while the desktop is being reached; the desktop changes only once it is done.
    std::future<QString> writing;
    try {
        writing = std::async(std::launch::async, write);
    } catch (const std::system_error &) {
        writing = std::async(std::launch::deferred, write);
    }
    std::optional<QString> writeError;
    const auto bitmapReady = [&] {
        if (!writeError)
            writeError = writing.get();
        return *writeError;
    };
    const QString error = Wallpaper::install(path, image, session, bitmapReady);
    if (!bitmapReady().isEmpty())
        return WriteResult::failure(path, *writeError);
    if (!error.isEmpty())
        return WriteResult::failure(path, QStringLiteral("the wallpaper was not set: %1").arg(error));
    return {};
}

} // namespace marvane
