#!/usr/bin/env bash
# XFCE: xfdesktop with its settings daemon, on Xvfb.
source "$(dirname "$0")/lib.sh"
need Xvfb dbus-daemon xfdesktop xfconf-query xrandr
start_x11_screen
start_session_bus
export XDG_CURRENT_DESKTOP=XFCE
# No desktop icons over the calendar's corner.
as_user xfconf-query -c xfce4-desktop -p /desktop-icons/style -n -t int -s 0 || fail "xfconfd did not answer"
spawn xfdesktop --disable-wm-check
await 20 sh -c 'xfconf-query -c xfce4-desktop -l | grep -q last-image' || fail "xfdesktop did not start"
check_two_dates grab_x11 "${primary[@]}"
pass
