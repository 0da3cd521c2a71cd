#!/usr/bin/env bash
# LXDE: pcmanfm drawing the desktop, on Xvfb.
source "$(dirname "$0")/lib.sh"
need Xvfb xrandr dbus-daemon pcmanfm
start_x11_screen
start_session_bus
export XDG_CURRENT_DESKTOP=LXDE
spawn pcmanfm --desktop
await 20 sh -c "ls $XDG_RUNTIME_DIR/pcmanfm-socket-* /tmp/.pcmanfm-socket-* 2>/dev/null | grep -q ." ||
  log "pcmanfm's socket not seen; going on"
sleep 2
check_two_dates grab_x11 "${primary[@]}"
pass
