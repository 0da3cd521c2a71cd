#!/usr/bin/env bash
# XFCE with two monitors: the primary one shows the calendar 1:1.
exec env MARVANE_MONITORS=2 "$(dirname "$0")/xfce.sh" "$@"
