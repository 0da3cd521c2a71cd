#pragma once

#include "platform/WriteError.h"

#include <QImage>
#include <QString>

#include <functional>

namespace marvane {

// Sets the root window's background pixmap on the X display named by DISPLAY, through a private
// connection, and frees the pixmap a previous setter left behind.
// `beforeShowing` runs once the picture is on the server and before anything changes on screen;
// an error from it leaves the desktop as it was.
WriteError setX11RootWallpaper(const QImage &image, const std::function<WriteError()> &beforeShowing = {});

} // namespace marvane
