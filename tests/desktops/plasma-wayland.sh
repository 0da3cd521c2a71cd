#!/usr/bin/env bash
# Plasma on Wayland: a virtual kwin_wayland and plasmashell.
source "$(dirname "$0")/lib.sh"
outputs=${MARVANE_MONITORS:-1}
[ "$outputs" = 1 ] || test_name=plasma-wayland-two-monitors
need dbus-daemon kwin_wayland plasmashell
[ -x /usr/lib/x86_64-linux-gnu/libexec/kactivitymanagerd ] || skip "kactivitymanagerd is not installed"
[ -d /usr/lib/x86_64-linux-gnu/qt5/plugins/wayland-shell-integration ] || skip "qtwayland5 is not installed"
start_session_bus
# Debian's kwin_wayland carries a file capability that cannot be raised here; a plain copy of
# it, still named kwin_wayland, runs.
mkdir -p "$work/bin"
cp "$(command -v kwin_wayland)" "$work/bin/kwin_wayland"
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland KDE_FULL_SESSION=true WAYLAND_DISPLAY=wayland-marvane
dbus-update-activation-environment WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE KDE_FULL_SESSION HOME \
  XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR MARVANE_DESKTOP_TEST="$marker" 2>>"$work/log"
KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 spawn "$work/bin/kwin_wayland" --virtual --width 1280 --height 800 --output-count "$outputs" \
  --socket "$WAYLAND_DISPLAY" --no-lockscreen --no-global-shortcuts
await 30 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "kwin_wayland did not start"
QT_QPA_PLATFORM=wayland spawn plasmashell --no-respawn
await 60 sh -c 'dbus-send --session --print-reply --dest=org.kde.plasmashell /PlasmaShell org.kde.PlasmaShell.evaluateScript string:"print(desktops().length)" | grep -q "string \"[1-9]"' ||
  fail "plasmashell did not start with a desktop"
grab_kwin() { "$bin/desktop_check" grab-kwin "$1"; }
check_two_dates grab_kwin --leave-out 0,756,1280,44
pass
