#pragma once

#include "desktop/WallpaperBackend.h"
#include "platform/Result.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>

namespace marvane {

class X11Connection;

// A bare X11 session: the root window's background pixmap, one picture over all monitors. It
// takes the picture itself (no file), so the upload overlaps the writing of the bitmap.
class X11RootWallpaper final : public WallpaperBackend
{
public:
    using WallpaperBackend::WallpaperBackend;

    Result<> install(const WallpaperRequest &request) override;
    bool spansMonitors() const override { return true; }

    // Sets the root window's background pixmap on the X display named by DISPLAY, through `shared`
    // when it is open (the pixmap then outlives it as well) or else a connection of its own, and
    // frees the pixmap a previous setter left behind. `beforeShowing` runs once the picture is on
    // the server and before anything changes on screen; an error from it leaves the desktop as it
    // was. The picture goes at `offset` (the primary monitor's place) and the rest of the root
    // takes `background`.
    static Result<> setRoot(const QImage &picture, const std::function<Result<>()> &beforeShowing = {},
                              QPoint offset = {}, QRgb background = qRgb(0, 0, 0),
                              const X11Connection *shared = nullptr);

protected:
    Copy copy() const override { return Copy::None; }
    Result<> show(const QString &) override { return {}; }
};

} // namespace marvane
