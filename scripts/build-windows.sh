#!/usr/bin/env bash
# Builds the native 32-bit Windows program and the tests that run under Wine into build-win32/,
# installing what that needs first (MinGW-w64 for i686 with POSIX threads, Wine, GoogleTest's
# sources, a compiler of 32-bit Linux libraries for the tours' clock) and nothing when all is
# there. The form compiler runs on this machine: it comes from the native build in build/.
#
# The program is build-win32/src/main/quick-intro.exe, a PE32 (i386) executable linked statically.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686  # the cross compiler and windres
  wine wine32:i386 fonts-wine                         # runs the program and its tests
  gcc-multilib                                        # the tour's day for Wine (scripts/lib/wine_day.c)
  googletest                                          # GoogleTest's sources, built for Windows
)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  # Wine's 32-bit half needs the i386 architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi

# The form compiler of a native build (only that target, so the native build is not slowed).
scripts/setup.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake --build build --target qi-formc

scripts/build.sh build-win32 -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/MinGWi686.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQI_BUILD_BENCH=OFF -DQI_HOST_FORMC="$PWD/build/tools/formc/qi-formc"
