#!/usr/bin/env bash
# Starts the program: a window where a display exists; otherwise it paints temp.bmp headless.
set -uo pipefail
bin=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin"
fi
echo "run: no display found; painting temp.bmp headless"
bmp="$(dirname "$bin")/temp.bmp"
# Success is a temp.bmp painted by this run, not one left from an earlier one.
marker=$(mktemp)
trap 'rm -f "$marker"' EXIT
sleep 0.01
"$bin" 9
status=$?
if [ -f "$bmp" ] && [ "$bmp" -nt "$marker" ]; then
  echo "run: painted $bmp (no wallpaper can be set without a display)"
  exit 0
fi
echo "run: no picture was painted (pendrel exited with $status)" >&2
exit $(( status == 0 ? 1 : status ))
