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
    std::optional<int> currentStyle() const override;
    // The first desktop's Image and FillMode.
    WallpaperSettings wallpaperSettings() const override;
    Result<> restoreSettings(const WallpaperSettings &settings) override;

protected:
    Result<> show(const QString &file) override;

private:
    // `image`: a file:// address, or empty for Plasma's own default picture.
    static Result<> showOnEveryDesktop(const QString &image, const QString &fillMode);
};

} // namespace marvane
