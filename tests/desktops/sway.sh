#!/usr/bin/env bash
# sway, headless, at the scale given (1 or 2) and with the number of outputs given (1 or 2): the
# picture must cover the focused output 1:1 in device pixels.
source "$(dirname "$0")/lib.sh"
scale=${2:-1}
outputs=${3:-1}
test_name="sway-scale-$scale"
[ "$outputs" = 1 ] || test_name="$test_name-two-outputs"
need sway swaybg swaymsg grim
start_sway "$scale" swaybg "$outputs"
export XDG_CURRENT_DESKTOP=sway
check_two_dates grab_wayland
pass
