#!/usr/bin/env bash
# Paints the README's picture with the program itself: a copy of pendrel in a scratch folder, a
# photo-like background, a few to-do items for today, one silent run on a private 1280 x 720 X
# server, then PNG.
set -euo pipefail
bin=${1:?usage: picture.sh BUILD_BIN_DIR OUT.png [WINDOW.png]}
out=${2:?usage: picture.sh BUILD_BIN_DIR OUT.png [WINDOW.png]}
window=${3:-}

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cp "$bin/pendrel" "$work/"
# A photo-like background under the calendar: ImageMagick's plasma noise, blurred into a landscape.
convert -seed 7 -size 2560x1440 plasma:fractal -blur 0x6 -modulate 100,70 -quality 90 "$work/photo.jpg"
printf '[general]\nBackgroundPicture=photo.jpg\n' >"$work/options.ini"
cat >"$work/todolist.ini" <<INI
[$(date +%Y-%-m-%-d)]
TODO1=Pay the electricity bill
TODO2=Dentist at 3 pm
TODO3=Order calendar refills
TODO5=Call Anna about Saturday
INI

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x720x24 -nolisten tcp 2>/dev/null & echo "pid $!"; wait)
read -r _ xvfb <&3
read -r display <&3
# Nothing of the user's: a scratch home, no session bus, no desktop but the bare X server.
env -i PATH="$PATH" HOME="$work" XDG_CONFIG_HOME="$work/.config" DISPLAY=":$display" LC_ALL=C.UTF-8 \
  "$work/pendrel" 9
"$bin/marvane-assets" png "$work/temp.bmp" "$out"
echo "picture: wrote $out"
[ -n "$window" ] || exit 0

# The main window as a user first sees it, over the wallpaper just set: started, given a moment
# to paint, grabbed where it stands, closed.
env -i PATH="$PATH" HOME="$work" XDG_CONFIG_HOME="$work/.config" DISPLAY=":$display" LC_ALL=C.UTF-8 \
  "$work/pendrel" &
app=$!
geometry=
for _ in $(seq 50); do
  sleep 0.1
  geometry=$(DISPLAY=":$display" xwininfo -name Marvane 2>/dev/null |
    awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$NF} /Height:/{h=$NF}
         END{if (w) print x, y, w, h}')
  [ -n "$geometry" ] && break
done
sleep 1
[ -n "$geometry" ] || { kill "$app"; echo "picture: the main window did not appear" >&2; exit 1; }
# shellcheck disable=SC2086
DISPLAY=":$display" "$bin/marvane-assets" grab $geometry "$window"
kill "$app"
echo "picture: wrote $window"
