#include "session/DesktopSession.h"

#include <QStringList>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

DesktopSession::Kind kindOf(const QString &token)
{
    const QString t = token.trimmed().toLower();
    if (t == u"gnome"_s || t == u"unity"_s || t == u"budgie"_s || t == u"budgie-desktop"_s || t == u"gnome-classic"_s ||
        t == u"gnome-flashback"_s)
        return DesktopSession::Kind::Gnome;
    if (t == u"kde"_s || t == u"plasma"_s)
        return DesktopSession::Kind::Plasma;
    if (t == u"xfce"_s || t == u"xfce4"_s)
        return DesktopSession::Kind::Xfce;
    if (t == u"mate"_s)
        return DesktopSession::Kind::Mate;
    if (t == u"x-cinnamon"_s || t == u"cinnamon"_s)
        return DesktopSession::Kind::Cinnamon;
    if (t == u"lxqt"_s)
        return DesktopSession::Kind::Lxqt;
    if (t == u"lxde"_s)
        return DesktopSession::Kind::Lxde;
    if (t == u"sway"_s)
        return DesktopSession::Kind::Sway;
    return DesktopSession::Kind::None;
}

} // namespace

DesktopSession DesktopSession::detect(const QString &currentDesktop, const QString &sessionDesktop, bool x11Display,
                                      bool waylandDisplay, bool swaySocket)
{
    DesktopSession s;
    s.detected = u"XDG_CURRENT_DESKTOP=\"%1\", XDG_SESSION_DESKTOP=\"%2\", %3, %4"_s.arg(
        currentDesktop, sessionDesktop, x11Display ? u"X11 display"_s : u"no X11 display"_s,
        waylandDisplay ? u"Wayland display"_s : u"no Wayland display"_s);
    QStringList tokens = currentDesktop.split(u':', Qt::SkipEmptyParts);
    tokens << sessionDesktop;
    for (const QString &token : tokens) {
        s.kind = kindOf(token);
        if (s.kind != Kind::None)
            return s;
    }
    if (swaySocket && waylandDisplay)
        s.kind = Kind::Sway;
    // On any other Wayland compositor an X11 root window (XWayland) is not what the user sees.
    else if (waylandDisplay)
        s.kind = Kind::LayerShell;
    else if (x11Display)
        s.kind = Kind::X11;
    return s;
}

DesktopSession DesktopSession::fromEnvironment(const X11Connection *x11)
{
    DesktopSession session =
        detect(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), qEnvironmentVariable("XDG_SESSION_DESKTOP"),
               !qEnvironmentVariableIsEmpty("DISPLAY"), !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
               !qEnvironmentVariableIsEmpty("SWAYSOCK"));
    session.x11 = x11;
    return session;
}

} // namespace marvane
