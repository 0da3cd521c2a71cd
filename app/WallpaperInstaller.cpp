#include "WallpaperInstaller.h"

#include "AppPaths.h"
#include "AtomicFile.h"
#include "BmpWriter.h"
#include "Wallpaper.h"

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
    if (const QString error = writeFileAtomically(
            path, [&image](QIODevice &out) { return writeBmp24(image, out); }, false);
        !error.isEmpty())
        return WriteResult::failure(path, error);
    const QString error = Wallpaper::install(path, image, session);
    if (!error.isEmpty())
        return WriteResult::failure(path, QStringLiteral("the wallpaper was not set: %1").arg(error));
    return {};
}

} // namespace marvane
