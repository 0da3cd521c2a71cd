#pragma once

#include "platform/Result.h"

#include <QImage>
#include <QString>

namespace marvane {

class Desktop;

// Saves the picture as temp.bmp in the program's folder and makes it the wallpaper. When the
// bitmap cannot be written the desktop is left alone.
class WallpaperInstaller
{
public:
    static QString bitmapPath(const QString &applicationDirectory);
    // Whether `path` is temp.bmp or one of the copies the desktops are shown, in that folder.
    static bool isOwnPicture(const QString &path, const QString &applicationDirectory);
    // Whether the desktop's own setting names one of those pictures now; false where it does not say.
    static bool desktopShowsOwnPicture(const Desktop &desktop, const QString &applicationDirectory);
    // Only writes temp.bmp, atomically.
    static Result<> saveBitmap(const QImage &picture, const QString &applicationDirectory);
    // `background` fills what monitors other than the primary one show where the desktop draws
    // one picture over all of them.
    static Result<> install(const QImage &picture, const QString &applicationDirectory, const Desktop &desktop,
                            QRgb background = qRgb(0, 0, 0));
};

} // namespace marvane
