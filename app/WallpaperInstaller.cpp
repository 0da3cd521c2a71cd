#include "WallpaperInstaller.h"

#include "AppPaths.h"
#include "Wallpaper.h"

#include <QImageWriter>
#include <QSaveFile>

namespace marvane {

QString WallpaperInstaller::bitmapPath(const QString &applicationDirectory)
{
    return AppPaths::join(applicationDirectory, QStringLiteral("temp.bmp"));
}

WriteResult WallpaperInstaller::install(const QImage &image, const QString &applicationDirectory,
                                        const DesktopSession &session)
{
    const QString path = bitmapPath(applicationDirectory);
    // Written under a temporary name and renamed, so the desktop never reads half a picture.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::failure(path, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    QImageWriter writer(&file, "BMP");
    if (!writer.write(image)) {
        file.cancelWriting();
        return WriteResult::failure(path, QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
    }
    if (!file.commit())
        return WriteResult::failure(path, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    const QString error = Wallpaper::install(path, image, session);
    if (!error.isEmpty())
        return WriteResult::failure(path, QStringLiteral("the wallpaper was not set: %1").arg(error));
    return {};
}

} // namespace marvane
