#!/usr/bin/env bash
# GNOME Shell 43, headless on Wayland with a virtual monitor.
source "$(dirname "$0")/lib.sh"
monitors=${MARVANE_MONITORS:-1}
[ "$monitors" = 1 ] || test_name=gnome-two-monitors
need dbus-daemon gnome-shell gnome-screenshot gsettings
start_session_bus
# It crashes without a system bus; a private one is enough.
start_system_bus
# A session mode that starts on the desktop rather than in the Overview.
mkdir -p "$work/share/gnome-shell/modes"
echo '{"parentMode": "user", "hasOverview": false}' >"$work/share/gnome-shell/modes/marvane-test.json"
export XDG_DATA_DIRS="$work/share:/usr/local/share:/usr/share" XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
# The lock screen's banner would cover the calendar's corner.
gsettings set org.gnome.desktop.notifications show-banners false || fail "cannot reach GNOME's settings"
# A second monitor, smaller, to the right of the primary one.
second=()
[ "$monitors" = 1 ] || second=(--virtual-monitor 1024x768)
spawn gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x800 "${second[@]}" --mode=marvane-test
await 60 sh -c "ls $XDG_RUNTIME_DIR/wayland-0" || fail "gnome-shell did not start"
export WAYLAND_DISPLAY=wayland-0
await 60 sh -c 'gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method org.freedesktop.DBus.Properties.Get org.gnome.Shell Mode | grep -q marvane-test' ||
  fail "gnome-shell did not take its session mode"
grab_gnome() { GDK_BACKEND=wayland gnome-screenshot -f "$1"; }
# The top bar is the shell's own.
check_two_dates grab_gnome --monitor 0,0,1280,800 --leave-out 0,0,1280,32
pass
