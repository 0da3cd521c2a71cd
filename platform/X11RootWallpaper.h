#pragma once

#include <QImage>
#include <QString>

namespace marvane {

// Sets the root window's background pixmap on the X display named by DISPLAY, through a private
// connection, and frees the pixmap a previous setter left behind. Empty on success, else why not.
QString setX11RootWallpaper(const QImage &image);

} // namespace marvane
