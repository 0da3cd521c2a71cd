#!/usr/bin/env bash
# sway, headless, at the scale given (1 or 2): the picture must cover the output 1:1 in device pixels.
source "$(dirname "$0")/lib.sh"
scale=${2:-1}
test_name="sway-scale-$scale"
need sway swaybg swaymsg grim
start_sway "$scale"
export XDG_CURRENT_DESKTOP=sway
check_two_dates grab_wayland
pass
