#pragma once

#include "wallpaper/WallpaperBackend.h"

namespace marvane {

// KDE Plasma: a script for plasmashell's scripting interface over D-Bus sets the picture on every
// desktop, scaled and cropped; a shell that has no desktop to set is a failure.
class PlasmaWallpaper final : public WallpaperBackend
{
public:
    using WallpaperBackend::WallpaperBackend;

    // The first desktop's picture, as plasmashell keeps it in its applets' settings.
    QString currentPicture() const override;

protected:
    Result<> show(const QString &file) override;
};

} // namespace marvane
