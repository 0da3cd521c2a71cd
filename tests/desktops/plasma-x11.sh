#!/usr/bin/env bash
# Plasma on X11: kwin_x11 and plasmashell on Xvfb.
source "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon kwin_x11 plasmashell
[ -x /usr/lib/x86_64-linux-gnu/libexec/kactivitymanagerd ] || skip "kactivitymanagerd is not installed"
# Xvfb's RandR monitors are no outputs to Plasma: one monitor only.
start_xvfb 1280x800
start_session_bus
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=x11 KDE_FULL_SESSION=true QT_QPA_PLATFORM=xcb
dbus-update-activation-environment DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE KDE_FULL_SESSION HOME \
  XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR MARVANE_DESKTOP_TEST="$marker" 2>>"$work/log"
spawn kwin_x11
spawn plasmashell --no-respawn
await 60 sh -c 'dbus-send --session --print-reply --dest=org.kde.plasmashell /PlasmaShell org.kde.PlasmaShell.evaluateScript string:"print(desktops().length)" | grep -q "string \"[1-9]"' ||
  fail "plasmashell did not start with a desktop"
unset QT_QPA_PLATFORM
check_two_dates grab_x11 --leave-out 0,756,1280,44
pass
