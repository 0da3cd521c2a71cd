#!/usr/bin/env bash
# Runs the INI parser, the calendar look past far-off events, then what reads a picture's bytes
# beside Qt's readers, under libFuzzer for a bounded time each (FUZZ_SECONDS, default 60) from
# their seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DMARVANE_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_initext fuzz_icswindow fuzz_picturedata
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/ini" "$work/calendar" "$work/picture"
cp tests/fuzz/corpus/* "$work/ini"/
cp tests/fuzz/calendar-corpus/* "$work/calendar"/
cp tests/fuzz/picture-corpus/* "$work/picture"/
"$build"/bin/fuzz_initext -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 "$work/ini"
"$build"/bin/fuzz_icswindow -max_total_time="${FUZZ_SECONDS:-60}" -max_len=8192 "$work/calendar"
"$build"/bin/fuzz_picturedata -max_total_time="${FUZZ_SECONDS:-60}" -max_len=16384 "$work/picture"
