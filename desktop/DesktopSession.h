#pragma once

#include <QString>

namespace marvane {

// Which desktop the program runs in, from the session's environment.
struct DesktopSession
{
    enum class Kind { Gnome, Plasma, Xfce, Mate, Cinnamon, Lxqt, Lxde, Sway, X11, None };

    Kind kind = Kind::None;
    QString detected; // what was seen, for messages

    static DesktopSession fromEnvironment();
    static DesktopSession detect(const QString &currentDesktop, const QString &sessionDesktop, bool x11Display,
                                 bool waylandDisplay, bool swaySocket);
};

} // namespace marvane
