#!/usr/bin/env bash
# Cinnamon 5.6 under its session manager, on Xvnc: muffin refuses Xvfb's modes (they have no
# refresh rate), and the background is drawn by csd-background only once cinnamon-session says the
# session runs.
source "$(dirname "$0")/lib.sh"
need Xvnc dbus-daemon cinnamon cinnamon-session gsettings
: >"$work/display"
spawn Xvnc -displayfd 3 -geometry 1280x800 -depth 24 -SecurityTypes None -rfbport -1 -nolisten tcp 3>"$work/display"
await 10 test -s "$work/display" || fail "Xvnc did not start"
export DISPLAY=":$(head -n 1 "$work/display")"
start_session_bus
start_system_bus
export XDG_CURRENT_DESKTOP=X-Cinnamon XDG_SESSION_DESKTOP=cinnamon
spawn cinnamon-session --session cinnamon
await 60 sh -c 'pgrep -x csd-background && dbus-send --session --print-reply --dest=org.gnome.SessionManager /org/gnome/SessionManager org.gnome.SessionManager.IsSessionRunning | grep -q "boolean true"' ||
  fail "the Cinnamon session did not start"
# The panel at the bottom is the shell's own.
check_two_dates grab_x11 --leave-out 0,760,1280,40
pass
