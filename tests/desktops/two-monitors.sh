#!/usr/bin/env bash
# two-monitors.sh BIN DESKTOP: that desktop's test with two monitors, the primary one showing the
# calendar 1:1.
exec env MARVANE_MONITORS=2 "$(dirname "$0")/$2.sh" "$1"
