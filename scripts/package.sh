#!/usr/bin/env bash
# Makes the Debian package quick-introduction_VERSION_ARCH.deb with CPack and checks it with
# lintian (any error fails). Prints the package's path as its last line.
#
# Usage: scripts/package.sh [FOLDER]
#   Without FOLDER it builds build-release/: Release mode with Debian's hardening flags, the
#   programs alone (no tests, benchmarks or fuzz targets). With FOLDER it packages that build
#   folder as it is configured (CI passes build/, which the tests have just built).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
folder=${1:-build-release}
if [ $# -eq 0 ]; then
  eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
  # CMake takes no CPPFLAGS: the preprocessor's flags go with the compilers'.
  export CFLAGS="$CPPFLAGS $CFLAGS" CXXFLAGS="$CPPFLAGS $CXXFLAGS"
  scripts/build.sh "$folder" -DCMAKE_BUILD_TYPE=Release -DQI_BUILD_TESTS=OFF \
    -DQI_BUILD_BENCH=OFF -DQI_BUILD_FUZZERS=OFF >&2
else
  scripts/build.sh "$folder" >&2
fi

rm -f "$folder"/quick-introduction_*.deb
(cd "$folder" && cpack -G DEB) >&2
package=$(realpath "$folder"/quick-introduction_*.deb)
lintian --fail-on error --info "$package" >&2
echo "$package"
