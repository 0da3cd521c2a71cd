#!/usr/bin/env bash
# Runs the INI parser under libFuzzer for a bounded time (FUZZ_SECONDS, default 60) from the seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DMARVANE_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_initext
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tests/fuzz/corpus/* "$work"/
"$build"/bin/fuzz_initext -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 "$work"
