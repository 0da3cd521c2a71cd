#!/usr/bin/env bash
# Any other layer-shell compositor: a headless sway that draws no background and does not say it
# is sway, as labwc, Wayfire or river would: the program starts a swaybg of its own.
source "$(dirname "$0")/lib.sh"
need sway swaybg grim
start_sway 1 -
unset SWAYSOCK
export XDG_CURRENT_DESKTOP=labwc
check_two_dates grab_wayland
# The second run's swaybg replaced the first one's.
running=$(for pid in $(pgrep -x swaybg); do grep -qas "MARVANE_DESKTOP_TEST=$marker" "/proc/$pid/environ" && echo "$pid"; done | wc -l)
[ "$running" = 1 ] || fail "$running swaybg processes of ours run, not 1"
pass
