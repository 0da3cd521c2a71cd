#!/usr/bin/env bash
# LXQt: pcmanfm-qt drawing the desktop, on Xvfb, never restarted by us; the calendar must still be
# there after it starts again.
source "$(dirname "$0")/lib.sh"
need Xvfb xrandr dbus-daemon pcmanfm-qt
start_x11_screen
start_session_bus
export XDG_CURRENT_DESKTOP=LXQt
# As LXQt's own profile starts it, with a wallpaper mode.
mkdir -p "$XDG_CONFIG_HOME/pcmanfm-qt/default"
printf '[Desktop]\nWallpaperMode=stretch\n' > "$XDG_CONFIG_HOME/pcmanfm-qt/default/settings.conf"
spawn pcmanfm-qt --desktop
await 20 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.ListNames | grep -q org.pcmanfm.PCManFM' ||
  fail "pcmanfm-qt did not start"
first_pid=$(pgrep -nx pcmanfm-qt)
check_two_dates grab_x11 "${primary[@]}"
[ "$(pgrep -nx pcmanfm-qt)" = "$first_pid" ] || fail "pcmanfm-qt was started again"
# Started again, as at the next log-on before any run of ours.
for pid in $(pgrep -x pcmanfm-qt); do
  grep -qas "MARVANE_DESKTOP_TEST=$marker" "/proc/$pid/environ" && kill "$pid"
done
await 10 sh -c "! pgrep -x pcmanfm-qt" || fail "pcmanfm-qt did not end"
rm -f "$work/log.before-restart"
spawn pcmanfm-qt --desktop
await_picture grab_x11 second.bmp "${primary[@]}"
pass "and after a restart"
