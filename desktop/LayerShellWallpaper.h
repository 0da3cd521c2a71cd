#pragma once

#include <QString>

namespace marvane {

// The wallpaper on Wayland compositors that draw none of their own but offer the layer-shell
// protocol (Wayfire, labwc, river, Hyprland, ...): hyprpaper where Hyprland runs one, else a
// swaybg of this program's, started detached and replacing the one it started before (its PID is
// kept in the session's runtime folder). `png` is a file every reader can read, shown 1:1.
// Empty on success, else why not.
QString setLayerShellWallpaper(const QString &png);

} // namespace marvane
