#!/usr/bin/env bash
# Installs the Debian packages Marvane needs, and only the missing ones: those to build and run it
# always; with MARVANE_TESTS=1 the tests' tools, MARVANE_DESKTOPS=1 the live desktops,
# MARVANE_PICTURES=1 ImageMagick for the benchmarks' yardstick and the README's pictures,
# MARVANE_FUZZ=1 the fuzzer, MARVANE_PACKAGE=1 Debian's packaging tools and the checks of a package.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libx11-dev libxrandr-dev libwayland-dev zlib1g-dev libjpeg-dev libical-dev
  fonts-liberation2 fonts-dejavu-core xfonts-terminus
  qt6-wayland qt6-image-formats-plugins libqt6svg6
)
# The private X servers, buses and settings stores the tests start, never needed to build or run.
if [ "${MARVANE_TESTS:-0}" = 1 ] || [ "${MARVANE_DESKTOPS:-0}" = 1 ]; then
  packages+=(
    xvfb xauth x11-utils x11-xserver-utils dbus systemd
    desktop-file-utils libglib2.0-bin
    dconf-cli dconf-service dconf-gsettings-backend gsettings-desktop-schemas xfconf libxfconf-0-3
  )
fi
# The desktops the live tests start for real (make test-desktops), never needed to build or run.
if [ "${MARVANE_DESKTOPS:-0}" = 1 ]; then
  packages+=(
    procps util-linux faketime dbus-bin
    xfdesktop4 caja pcmanfm pcmanfm-qt
    plasma-desktop plasma-workspace kwin-x11 kwin-wayland kactivitymanagerd qtwayland5
    sway swaybg grim
    gnome-shell gnome-screenshot
    cinnamon cinnamon-session cinnamon-settings-daemon tigervnc-standalone-server
  )
fi
if [ "${MARVANE_PICTURES:-0}" = 1 ]; then
  packages+=(imagemagick)
fi
if [ "${MARVANE_PACKAGE:-0}" = 1 ]; then
  packages+=(debhelper dpkg-dev lintian appstream desktop-file-utils)
fi
if [ "${MARVANE_FUZZ:-0}" = 1 ]; then
  packages+=(clang libfuzzer-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
