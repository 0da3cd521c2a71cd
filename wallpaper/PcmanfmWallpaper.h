#pragma once

#include "wallpaper/WallpaperBackend.h"

namespace marvane {

// The desktops drawn by pcmanfm: LXDE's pcmanfm, cropped to each monitor, and LXQt's pcmanfm-qt:
// on X11 one picture over all monitors, on Wayland one zoomed on each. pcmanfm-qt's profile
// keeps the picture and its mode too, so that it is still there when pcmanfm-qt starts again.
class PcmanfmWallpaper final : public WallpaperBackend
{
public:
    // `qt`: LXQt's pcmanfm-qt, else LXDE's pcmanfm.
    PcmanfmWallpaper(const DesktopSession &session, bool qt) : WallpaperBackend(session), m_qt(qt) {}

    bool spansMonitors() const override;
    QString currentPicture() const override;
    std::optional<int> currentStyle() const override;
    // The picture and its mode: "Wallpaper" and "WallpaperMode" (pcmanfm-qt), "wallpaper" and
    // "wallpaper_mode" (pcmanfm).
    WallpaperSettings wallpaperSettings() const override;
    Result<> restoreSettings(const WallpaperSettings &settings) override;

protected:
    Result<> show(const QString &file) override;

private:
    Result<> showThroughPcmanfmQt(const QString &file, const QString &mode);
    Result<> showThroughPcmanfm(const QString &file, const QString &mode);

    bool m_qt;
};

} // namespace marvane
