#pragma once

#include "session/DesktopSession.h"

#include <QByteArray>
#include <QList>
#include <QRect>

#include <optional>

namespace marvane {

class X11Connection;

// Where the monitors are, in device pixels: the primary one, which the picture is painted for,
// and the box around all of them, which some desktops cover with one picture.
struct MonitorLayout
{
    QRect primary;
    QList<QRect> monitors;
    // The primary monitor's scale, where the compositor says it (Mutter, sway).
    std::optional<double> primaryScale;

    QRect bounds() const;

    // Qt's screens at their native size: right on X11, logical on Wayland.
    static MonitorLayout fromQtScreens();
    // The X server's own RandR monitors, whatever platform Qt runs on: the primary one, else the
    // first, else the whole screen. Nothing when the connection is not open.
    static std::optional<MonitorLayout> fromX11(const X11Connection &x11);
    // sway's answer to get_outputs: the focused output, its rectangle times its scale, and that scale.
    static std::optional<MonitorLayout> fromSwayOutputs(const QByteArray &json);
    // Mutter's DisplayConfig on the session bus: the primary logical monitor's current mode and scale.
    static std::optional<MonitorLayout> fromMutter();
};

} // namespace marvane
