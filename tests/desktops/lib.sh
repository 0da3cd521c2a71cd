# Sourced by each live desktop test: a private home, display, buses and program copy, all started
# here and stopped by PID at the end, whatever happens. A test ends with pass, fail or skip.
# Its one argument is the build's bin folder (pendrel and desktop_check).
set -uo pipefail

bin=$(cd "$1" && pwd)
test_name=$(basename "$0" .sh)
work=$(mktemp -d "/tmp/marvane-$test_name.XXXXXX")
chmod 755 "$work"
# Everything this test starts carries the marker in its environment, so that helpers that leave
# their parents (D-Bus activated services, Plasma's) are found and stopped too.
marker="$test_name-$$-$RANDOM"
user_id=0 # the id processes run as; see run_as_nobody

unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET SWAYSOCK I3SOCK HYPRLAND_INSTANCE_SIGNATURE DBUS_SESSION_BUS_ADDRESS \
  DBUS_SYSTEM_BUS_ADDRESS XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP XDG_SESSION_TYPE QT_QPA_PLATFORM \
  QT_QPA_PLATFORMTHEME GDK_BACKEND DESKTOP_SESSION
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
  XDG_CACHE_HOME=$work/home/.cache XDG_STATE_HOME=$work/home/.local/state XDG_RUNTIME_DIR=$work/runtime \
  LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC NO_AT_BRIDGE=1
mkdir -p "$HOME/Desktop" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

app="$work/Marvane app"
mkdir -p "$app"
cp "$bin/pendrel" "$app/"
# Two dates a day apart, each with items of its own, so the second picture differs from the first
# in the marked day and in the to-do panel.
first_date="2026-12-24 10:00:00"
second_date="2026-12-25 10:00:00"
printf '[2026-12-24]\nTODO1=Wrap the presents\nTODO2=Bake the bread\n[2026-12-25]\nTODO1=Call the family\n' >"$app/todolist.ini"

log() { echo "$test_name: $*" >&2; }

marked_pids() {
  local pid
  for pid in $(grep -las "MARVANE_DESKTOP_TEST=$marker" /proc/[0-9]*/environ | cut -d/ -f3); do
    [ "$pid" != "$$" ] && [ "$pid" != "$BASHPID" ] && echo "$pid"
  done
}

cleanup() {
  local pids pid round
  for round in TERM KILL; do
    pids=$(marked_pids)
    [ -n "$pids" ] || break
    for pid in $pids; do kill -s "$round" "$pid" 2>/dev/null; done
    for _ in $(seq 50); do
      [ -n "$(marked_pids)" ] || break
      sleep 0.1
    done
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 143" TERM INT HUP

pass() { log "passed${1:+: $*}"; exit 0; }
fail() { log "FAILED: $*"; [ -s "$work/log" ] && tail -n 15 "$work/log" | sed "s/^/$test_name|  /" >&2; exit 1; }
skip() { log "skipped: $*"; exit 77; }
need() { local p; for p in "$@"; do command -v "$p" >/dev/null || skip "$p is not installed"; done; }

as_user() {
  if [ "$user_id" = 0 ]; then "$@"; else setpriv --reuid="$user_id" --regid="$user_id" --clear-groups -- "$@"; fi
}

# Runs a program in the background with the marker, its output in the test's log.
spawn() {
  as_user env MARVANE_DESKTOP_TEST="$marker" "$@" >>"$work/log" 2>&1 &
}

# Waits up to $1 seconds for the command after it to succeed.
await() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 4))); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.25
  done
  return 1
}

# sway refuses to run as root: the rest of the test runs as nobody, in a home of its own.
run_as_nobody() {
  user_id=65534
  chown -R "$user_id:$user_id" "$work"
}

start_xvfb() {
  : >"$work/display"
  spawn Xvfb -displayfd 3 -screen 0 "${1:-1280x800}x24" -noreset -nolisten tcp 3>"$work/display"
  await 10 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$work/display")"
}

start_session_bus() {
  : >"$work/bus"
  spawn dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus"
  await 10 test -s "$work/bus" || fail "the session bus did not start"
  export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
}

# A second private bus where a desktop wants a system bus.
start_system_bus() {
  : >"$work/system-bus"
  spawn dbus-daemon --config-file=/usr/share/dbus-1/session.conf --nofork --nopidfile \
    --address="unix:path=$work/system-bus-socket" --print-address=3 3>"$work/system-bus"
  await 10 test -s "$work/system-bus" || fail "the private system bus did not start"
  export DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$work/system-bus")
}

# The real `pendrel 9` at a given date and time; its picture is kept as $2.
run_pendrel() {
  local when=$1 keep=$2 status
  local faketime_lib
  faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
  [ -n "$faketime_lib" ] || skip "libfaketime is not installed"
  as_user env MARVANE_DESKTOP_TEST="$marker" LD_PRELOAD="$faketime_lib" FAKETIME="@$when" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$app/pendrel" 9 >>"$work/log" 2>"$work/pendrel-errors"
  status=$?
  cat "$work/pendrel-errors" >>"$work/log"
  [ "$status" = 0 ] || fail "pendrel 9 at $when exited $status: $(cat "$work/pendrel-errors")"
  cp "$app/temp.bmp" "$work/$keep" || fail "pendrel 9 left no temp.bmp"
}

# Waits until the screenshot command ($1, given a file name) shows picture $2; the rest are
# desktop_check's options (--was, --leave-out).
await_picture() {
  local grab=$1 picture=$2
  shift 2
  local shot="$work/shot.png" verdict=""
  for _ in $(seq 40); do
    rm -f "$shot"
    if $grab "$shot" >>"$work/log" 2>&1 && [ -s "$shot" ]; then
      verdict=$("$bin/desktop_check" compare "$shot" "$work/$picture" "$@" 2>&1) && {
        log "$picture shown: $verdict"
        # To look at what the desktop showed: MARVANE_KEEP_SHOTS=folder.
        [ -n "${MARVANE_KEEP_SHOTS:-}" ] && cp "$shot" "$MARVANE_KEEP_SHOTS/$test_name-$picture.png"
        return 0
      }
    fi
    sleep 0.5
  done
  [ -s "$shot" ] && cp "$shot" "/tmp/marvane-$test_name-last-shot.png"
  fail "$picture not shown: ${verdict:-no screenshot}"
}

grab_x11() { "$bin/desktop_check" grab-x11 "$1"; }

# The whole check, for a desktop already started: two dates, each shown after its run.
check_two_dates() {
  local grab=$1
  shift
  run_pendrel "$first_date" first.bmp
  await_picture "$grab" first.bmp "$@"
  run_pendrel "$second_date" second.bmp
  await_picture "$grab" second.bmp --was "$work/first.bmp" "$@"
}

# A headless sway as nobody, at scale $1; $2 is what it runs as its background client
# ("-" for none, as on compositors without a wallpaper of their own).
# With $3 = 2, a second output, smaller, to the right of the first (the focused one).
start_sway() {
  local scale=$1 background=${2:-swaybg} outputs=${3:-1}
  run_as_nobody
  printf 'output HEADLESS-1 mode 1280x800 position 0 0 scale %s\nswaybg_command %s\ndefault_border none\n' \
    "$scale" "$background" >"$work/sway.conf"
  [ "$outputs" = 1 ] || echo "output HEADLESS-2 mode 1024x768 position $((1280 / scale)) 0 scale $scale" >>"$work/sway.conf"
  echo 'focus output HEADLESS-1' >>"$work/sway.conf"
  chown "$user_id:$user_id" "$work/sway.conf"
  WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=$outputs WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    spawn sway -c "$work/sway.conf"
  await 20 sh -c "ls $XDG_RUNTIME_DIR/sway-ipc.*.sock" || fail "sway did not start"
  export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n 1)
  export WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-* | grep -v '\.lock$' | head -n 1)
}

# The first output: the primary one where there are two.
grab_wayland() { as_user grim -o HEADLESS-1 "$1"; }

# The test's X screen: 1280x800, or with MARVANE_MONITORS=2 two monitors (below); `primary` holds
# the comparison's option for the primary monitor's part of a screenshot.
start_x11_screen() {
  local server=${1:-start_xvfb}
  primary=()
  if [ "${MARVANE_MONITORS:-1}" = 2 ]; then
    test_name="$test_name-two-monitors"
    $server 2304x800
    split_x11_monitors
    primary=(--monitor 0,0,1280,800)
  else
    $server 1280x800
  fi
}

# Two monitors on one X screen of 2304x800: the primary 1280x800 at the origin, a smaller one right
# of it. Called after start_xvfb 2304x800; the primary's part of a screenshot is --monitor 0,0,1280,800.
split_x11_monitors() {
  xrandr --setmonitor '*PRIMARY' 1280/338x800/211+0+0 screen >>"$work/log" 2>&1 &&
    xrandr --setmonitor SECOND 1024/270x768/203+1280+0 none >>"$work/log" 2>&1 || fail "cannot make two monitors"
}
