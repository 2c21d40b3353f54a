#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, and nothing when all is there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config git python3
  clang libclang-rt-14-dev clang-format          # fuzzers, sanitizer builds, formatting
  libgtest-dev libgmock-dev libbenchmark-dev     # tests and benchmarks
  libsdl2-dev libfreetype-dev libfontconfig-dev  # the desktop window and text
  fonts-dejavu-core fonts-croscore               # faces the window's fonts map to
  libpng-dev                                     # PNG-compressed icon images; the tests' pictures
  libgif-dev                                     # the reference decoder of tests and benchmarks
  libgdk-pixbuf-2.0-dev                          # gdk-pixbuf's ANI loader, a second opinion
  libxfixes-dev                                  # the pointer's picture, read in a test
  libimagequant-dev                              # the colour reduction benchmark's peer
  xvfb xdotool x11-utils x11-apps imagemagick    # virtual display, input and screenshots
  x11-xserver-utils libx11-dev                   # the display's pixels per inch (Xft.dpi)
  faketime                                       # the screenshot tours' days
  dpkg-dev lintian desktop-file-utils man-db     # the Debian package and its checks
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
