#!/usr/bin/env bash
# Starts the program: a window where a display exists; otherwise it paints temp.bmp headless.
set -uo pipefail
bin=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin"
fi
echo "run: no display found; painting temp.bmp headless"
QT_QPA_PLATFORM=offscreen "$bin" 9
status=$?
bmp="$(dirname "$bin")/temp.bmp"
if [ -f "$bmp" ]; then
  echo "run: wrote $bmp"
  exit 0
fi
exit $status
