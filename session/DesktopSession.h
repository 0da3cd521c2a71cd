#pragma once

#include <QString>

namespace marvane {

class X11Connection;

// Which desktop the program runs in, from the session's environment.
struct DesktopSession
{
    // LayerShell: any other Wayland compositor, which keeps no wallpaper of its own but lets a
    // background client draw one (Wayfire, labwc, river, Hyprland, ...).
    enum class Kind { Gnome, Plasma, Xfce, Mate, Cinnamon, Lxqt, Lxde, Sway, LayerShell, X11, None };

    Kind kind = Kind::None;
    QString detected; // what was seen, for messages
    // An X connection held for the whole run, which questions to the X server go through instead
    // of a connection each; null to open one each time.
    const X11Connection *x11 = nullptr;

    static DesktopSession fromEnvironment(const X11Connection *x11 = nullptr);
    static DesktopSession detect(const QString &currentDesktop, const QString &sessionDesktop, bool x11Display,
                                 bool waylandDisplay, bool swaySocket);
};

} // namespace marvane
