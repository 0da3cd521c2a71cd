#!/usr/bin/env bash
# Runs every live desktop test against the build's bin folder and closes with one line of counts.
# A desktop that cannot start here is skipped with its reason; one that started and does not show
# the calendar fails the run.
set -uo pipefail
bin=${1:?usage: run.sh BIN_FOLDER}
here=$(cd "$(dirname "$0")" && pwd)
# Each entry: a script and its arguments after the bin folder.
tests=(
  "xfce" "mate" "lxde" "lxqt"
  "plasma-x11" "plasma-wayland"
  "sway 1" "sway 2" "sway 2 2"
  "layer-shell"
  "gnome"
  "cinnamon"
  "two-monitors xfce" "two-monitors mate" "two-monitors lxde" "two-monitors lxqt"
  "two-monitors plasma-wayland" "two-monitors gnome"
)
passed=0 failed=0 skipped=0 failures=()
for entry in "${tests[@]}"; do
  read -r name args <<<"$entry"
  # shellcheck disable=SC2086
  timeout --signal=TERM --kill-after=10 240 "$here/$name.sh" "$bin" $args
  case $? in
    0) passed=$((passed + 1)) ;;
    77) skipped=$((skipped + 1)) ;;
    *) failed=$((failed + 1)); failures+=("$entry") ;;
  esac
done
[ ${#failures[@]} -eq 0 ] || echo "failed: ${failures[*]}"
echo "desktops: $passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
