#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package Kestrove needs to build, test and run.
# Idempotent: when everything is present it only runs dpkg-query and exits.
set -euo pipefail

# Extra package names on the command line are installed too (tools used on request, such as clang
# for the fuzz targets), and so are groups named there:
#   bench: the folder browsers and picture viewers the peers benchmark sets Kestrove beside, and
#   the picture thumbnailer (gdk-pixbuf-thumbnailer) the thumbnails benchmark does.
extra=()
for name in "$@"; do
  case $name in
    bench) extra+=(pcmanfm-qt qimgv geeqie gthumb libgdk-pixbuf2.0-bin) ;;
    *) extra+=("$name") ;;
  esac
done
packages=(
  build-essential cmake pkg-config clang-format lld # lld links the many test programs in a fraction of ld's time
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libqt6opengl6-dev libgl-dev qt6-svg-dev
  libglib2.0-dev libmpv-dev libfluidsynth-dev timgm6mb-soundfont libwmf-dev fonts-urw-base35
  libexiv2-dev exiv2 # picture facts; the tests write their pictures' facts with the exiv2 tool
  libxcb1-dev libfontconfig-dev
  libjpeg-dev libpng-dev libgif-dev libxcb-damage0-dev libxcb-xtest0-dev # the benchmarks' references and window watcher
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n # catalogs: lupdate, lrelease, their CMake functions, Qt's own
  adwaita-icon-theme
  qt6-wayland # the platform plugin for Wayland sessions
  xvfb xauth imagemagick dbus-daemon
  openbox xdotool x11-utils libglib2.0-bin
  at-spi2-core python3-pyatspi # the journeys read and press controls as a screen reader does
  weston # a headless Wayland compositor for the journeys on Wayland
  mpv # the journeys make their test videos with its encoder
  desktop-file-utils appstream dpkg-dev file
  "${extra[@]}"
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  run=()
else
  run=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
