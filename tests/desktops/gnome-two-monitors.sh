#!/usr/bin/env bash
# GNOME Shell with two monitors: the primary one shows the calendar 1:1.
exec env MARVANE_GNOME_MONITORS=2 "$(dirname "$0")/gnome.sh" "$@"
