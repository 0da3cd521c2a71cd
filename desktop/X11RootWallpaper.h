#pragma once

#include "platform/WriteError.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>

namespace marvane {

class X11Connection;

// Sets the root window's background pixmap on the X display named by DISPLAY, through `shared`
// when it is open (the pixmap then outlives it as well) or else a connection of its own, and frees the pixmap a previous setter left behind.
// `beforeShowing` runs once the picture is on the server and before anything changes on screen;
// an error from it leaves the desktop as it was.
// The root covers every monitor: the picture goes at `offset` (the primary monitor's place) and the
// rest of the root takes `background`.
WriteError setX11RootWallpaper(const QImage &picture, const std::function<WriteError()> &beforeShowing = {},
                               QPoint offset = {}, QRgb background = qRgb(0, 0, 0),
                               const X11Connection *shared = nullptr);

} // namespace marvane
