#!/usr/bin/env bash
# Checks the built package: its files and fields, the menu entry and the metainfo, lintian (no
# error, no warning), and the installed layout run by a user who cannot write the program's
# folder, with a private home.
set -euo pipefail
dir=${1:?usage: check.sh DIR_WITH_THE_DEB}
deb=$(ls "$dir"/marvane_*.deb | head -1)
fail() { echo "test-package: FAILED: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
for f in /usr/bin/pendrel /usr/share/applications/org.marvane.Marvane.desktop \
         /usr/share/metainfo/org.marvane.Marvane.metainfo.xml /usr/share/man/man1/pendrel.1.gz \
         /usr/share/doc/marvane/copyright /usr/share/marvane/help.htm /usr/share/marvane/help_de.htm \
         /usr/share/icons/hicolor/48x48/apps/org.marvane.Marvane.png \
         /usr/share/icons/hicolor/256x256/apps/org.marvane.Marvane.png \
         "/usr/lib/$(gcc -print-multiarch)/marvane/pendrel-calendars.so" \
         "/usr/lib/$(gcc -print-multiarch)/marvane/pendrel-fetch.so"; do
  grep -qx "$f" <<<"$files" || fail "$f is not in the package"
done
grep -v '^/usr/' <<<"$files" | grep -qv '^/$' && fail "files outside /usr: $(grep -v '^/usr/' <<<"$files" | grep -v '^/$')"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q -- '-dev' <<<"$depends" && fail "depends on a -dev package: $depends"
for p in libqt6gui6 qt6-wayland qt6-image-formats-plugins libqt6svg6; do
  grep -q "$p" <<<"$depends" || fail "does not depend on $p: $depends"
done

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.marvane.Marvane.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.marvane.Marvane.metainfo.xml" ||
  fail "appstreamcli validate"
tags=$(lintian "$deb" 2>&1 | grep -E '^[EW]: ' || true)
[ -z "$tags" ] || fail "lintian: $tags"

# The installed program, from a folder its user cannot write: the files go to the XDG folders.
chmod -R go+rX "$work" && chmod 755 "$work"
home=$work/home && mkdir -p "$home" && chmod 777 "$home"
as_user() {
  if [ "$(id -u)" = 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi
}
help=$(as_user env -i HOME="$home" PATH=/usr/bin:/bin "$work/root/usr/bin/pendrel" --help)
grep -qF "$home/.config/marvane (options.ini, todolist.ini)" <<<"$help" || fail "--help: $help"
grep -qF "$home/.local/share/marvane (temp.bmp)" <<<"$help" || fail "--help: $help"
mkdir -p "$home/.config/marvane" && printf '[general]\nCalendars=/nowhere/gone.ics;http://127.0.0.1:9/none.ics\n' >"$home/.config/marvane/options.ini"
chmod -R 777 "$home/.config"
set +e
as_user env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/pendrel" 9 2>"$work/err"
set -e
[ -s "$home/.local/share/marvane/temp.bmp" ] || fail "no temp.bmp in the data folder: $(cat "$work/err")"
# The calendar modules found where the package put them: a calendar that is not there is told as
# such, and an address not fetched yet.
grep -qF "/nowhere/gone.ics: no such file or folder" "$work/err" && grep -qF "http://127.0.0.1:9/none.ics: " "$work/err" &&
  ! grep -q " without /" "$work/err" || fail "a calendar module was not found: $(cat "$work/err")"
[ -z "$(find "$work/root" -newer "$deb" -type f -name '*.bmp' -o -newer "$deb" -name '*.ini')" ] ||
  fail "a file was written beside the installed program"
# Installed and removed for real where this runs as root (CI's throw-away machine): apt takes it,
# and removing it leaves nothing under /usr or /etc.
if [ "$(id -u)" = 0 ] && [ -n "${CI:-}" ] && ! dpkg -s marvane >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$deb")" >/dev/null || fail "apt install"
  [ "$(/usr/bin/pendrel --version)" = "Marvane 1.0" ] || fail "the installed pendrel does not run"
  installed=$(dpkg -L marvane | grep -E '^/(usr|etc)/' )
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -q marvane >/dev/null || fail "apt remove"
  for f in $installed; do
    [ -d "$f" ] || [ ! -e "$f" ] || fail "$f is left after apt remove"
  done
fi
echo "test-package: passed ($(basename "$deb"))"
