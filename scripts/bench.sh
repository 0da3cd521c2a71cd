#!/usr/bin/env bash
# Runs every benchmark of an optimised build and fails if one misses its goal.
set -uo pipefail
build=${1:-build/release}
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
status=0
for b in "$build"/bin/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b" || status=1
done
exit $status
