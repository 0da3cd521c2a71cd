#pragma once

#include "DesktopSession.h"
#include "WriteResult.h"

#include <QImage>
#include <QString>

namespace marvane {

// Saves the picture as temp.bmp in the program's folder and makes it the wallpaper. When the
// bitmap cannot be written the desktop is left alone.
class WallpaperInstaller
{
public:
    static QString bitmapPath(const QString &applicationDirectory);
    static WriteResult install(const QImage &image, const QString &applicationDirectory,
                               const DesktopSession &session);
};

} // namespace marvane
