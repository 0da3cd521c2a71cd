#pragma once

#include "wallpaper/WallpaperBackend.h"

namespace marvane {

// Wayland compositors whose wallpaper is a layer-shell background client, shown a PNG copy (which
// every such client reads; swaybg reads BMP only through gdk-pixbuf), filling each output. sway
// is told through swaymsg. Others (Wayfire, labwc, river, Hyprland, ...) get hyprpaper's
// wallpaper where Hyprland runs hyprpaper, else a swaybg of this program's, started detached and
// replacing the one it started before (its PID is kept in the session's runtime folder).
class LayerShellWallpaper final : public WallpaperBackend
{
public:
    // `sway`: the compositor is sway, reached through its IPC socket.
    LayerShellWallpaper(const DesktopSession &session, bool sway) : WallpaperBackend(session), m_sway(sway) {}

    std::optional<MonitorLayout> monitorLayout() const override;
    bool saysWhereMonitorsAre() const override { return m_sway; }

protected:
    std::optional<double> desktopScale() const override
    {
        const std::optional<MonitorLayout> layout = monitorLayout();
        return layout ? layout->primaryScale : std::nullopt;
    }
    Copy copy() const override { return Copy::Png; }
    Result<> show(const QString &file) override;

private:
    bool m_sway;
};

} // namespace marvane
