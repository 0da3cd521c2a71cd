#!/usr/bin/env bash
# make run without a display: success only for a temp.bmp this run painted.
set -uo pipefail
bin=$1
scripts=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/.config
# Qt would otherwise make a runtime folder of its own in /tmp.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "FAIL: $*" >&2; exit 1; }

cp "$bin/pendrel" "$work/"
out=$("$scripts/run.sh" "$work/pendrel" 2>&1) || fail "a fresh picture was reported as a failure: $out"
[ -s "$work/temp.bmp" ] || fail "no temp.bmp"
grep -q "painted $work/temp.bmp" <<<"$out" || fail "did not say where the picture went: $out"

# An old temp.bmp is no success: make the folder refuse the new one.
rm "$work/temp.bmp"
mkdir "$work/temp.bmp"
if out=$("$scripts/run.sh" "$work/pendrel" 2>&1); then
  fail "a run that painted nothing was reported as a success: $out"
fi
grep -q "temp.bmp" <<<"$out" || fail "the program's reason was not shown: $out"
echo "run_headless: ok"
