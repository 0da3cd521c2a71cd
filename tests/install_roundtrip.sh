#!/usr/bin/env bash
# make install / make uninstall for a user, in a scratch home: what lands where, and that the
# user's settings and to-do items outlive an uninstall.
set -euo pipefail
bin=$1
scripts=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache
# Qt would otherwise make a runtime folder of its own in /tmp.
export XDG_RUNTIME_DIR=$home/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset MARVANE_PREFIX PURGE
fail() { echo "FAIL: $*" >&2; exit 1; }

"$scripts/install.sh" "$bin" >/dev/null
prefix=$home/.local/opt/marvane
entry=$XDG_DATA_HOME/applications/org.marvane.Marvane.desktop
[ -x "$prefix/pendrel" ] || fail "pendrel not installed"
[ -f "$prefix/pendrel-calendars.so" ] && [ -f "$prefix/pendrel-fetch.so" ] || fail "the calendar modules are not installed"
[ -f "$prefix/help.htm" ] || fail "help.htm not installed"
head -c 8 "$prefix/marvane.png" | od -An -tx1 | grep -q '89 50 4e 47' || fail "icon is not a PNG"
grep -qx "Exec=\"$prefix/pendrel\"" "$entry" || fail "menu entry does not start the installed program"
grep -qx "Icon=$prefix/marvane.png" "$entry" || fail "menu entry has no icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "menu entry is not valid"
fi

# The program's own files beside it, as a silent run and the dialogs leave them.
mkdir -p "$XDG_CONFIG_HOME/autostart"
echo "[Desktop Entry]" >"$XDG_CONFIG_HOME/autostart/Marvane.desktop"
units=$XDG_CONFIG_HOME/systemd/user
mkdir -p "$units/timers.target.wants"
touch "$units/marvane-refresh.service" "$units/marvane-refresh.timer"
ln -s "$units/marvane-refresh.timer" "$units/timers.target.wants/marvane-refresh.timer"
printf '[2026-12-7]\nTODO1=keep me\n' >"$prefix/todolist.ini"
printf '[general]\nCalendarPos=2\n' >"$prefix/options.ini"
touch "$prefix/temp.bmp" "$prefix/.temp-wallpaper-1765100000000.bmp" "$prefix/.temp-wallpaper-1765100000001.png" \
      "$prefix/.todolist.ini.lock"

mkdir -p "$XDG_CACHE_HOME/marvane" && touch "$XDG_CACHE_HOME/marvane/copy.ics"

"$scripts/uninstall.sh" >/dev/null
[ ! -e "$entry" ] || fail "menu entry left behind"
[ ! -e "$XDG_CACHE_HOME/marvane" ] || fail "calendar cache left behind"
[ ! -e "$XDG_CONFIG_HOME/autostart/Marvane.desktop" ] || fail "log-on entry left behind"
[ ! -e "$units/marvane-refresh.timer" ] && [ ! -e "$units/marvane-refresh.service" ] &&
  [ ! -L "$units/timers.target.wants/marvane-refresh.timer" ] || fail "midnight timer left behind"
[ ! -e "$prefix/pendrel" ] || fail "program left behind"
[ ! -e "$prefix/pendrel-calendars.so" ] && [ ! -e "$prefix/pendrel-fetch.so" ] || fail "calendar modules left behind"
[ ! -e "$prefix/temp.bmp" ] || fail "temp.bmp left behind"
[ ! -e "$prefix/.temp-wallpaper-1765100000000.bmp" ] && [ ! -e "$prefix/.temp-wallpaper-1765100000001.png" ] ||
  fail "wallpaper copy left behind"
grep -q "TODO1=keep me" "$prefix/todolist.ini" || fail "to-do items lost"
[ -f "$prefix/options.ini" ] || fail "settings lost"

PURGE=1 "$scripts/uninstall.sh" >/dev/null
[ ! -e "$prefix" ] || fail "PURGE=1 left $prefix"
echo "install round trip: ok"
