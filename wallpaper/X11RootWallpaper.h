#pragma once

#include "wallpaper/WallpaperBackend.h"
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

    // Sets the root window's background pixmap through `x11` (the pixmap outlives the connection),
    // and frees the pixmap a previous setter left behind. `beforeShowing` runs once the picture is
    // on the server and before anything changes on screen; an error from it leaves the desktop as
    // it was. The picture goes at `offset` (the primary monitor's place) and the rest of the root
    // takes `background`.
    static Result<> setRoot(const X11Connection &x11, const QImage &picture,
                            const std::function<Result<>()> &beforeShowing = {}, QPoint offset = {},
                            QRgb background = qRgb(0, 0, 0));

protected:
    Copy copy() const override { return Copy::None; }
    Result<> show(const QString &) override { return {}; }
};

} // namespace marvane
