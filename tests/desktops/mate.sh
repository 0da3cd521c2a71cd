#!/usr/bin/env bash
# MATE: caja drawing the desktop, on Xvfb, its settings in dconf.
source "$(dirname "$0")/lib.sh"
need Xvfb xrandr dbus-daemon caja gsettings
start_x11_screen
start_session_bus
export XDG_CURRENT_DESKTOP=MATE
# No desktop icons over the calendar's corner.
for icon in computer-icon-visible home-icon-visible trash-icon-visible volumes-visible network-icon-visible; do
  gsettings set org.mate.caja.desktop "$icon" false || fail "cannot reach MATE's settings"
done
spawn caja -n --force-desktop
await 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null; xwininfo -root -tree | grep -qi "desktop"' ||
  log "caja's desktop window not seen by name; going on"
check_two_dates grab_x11 "${primary[@]}"
pass
