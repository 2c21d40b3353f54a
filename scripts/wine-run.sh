#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in the prefix WINEPREFIX names, or else in the
# tests' own prefix build-win32/wine/tests (made by scripts/wine-prefix.sh when missing). CTest
# runs the cross-built test suites through this script (cmake/MinGWi686.cmake).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="$root/build-win32/wine/tests"
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -d "$WINEPREFIX" ] || "$root/scripts/wine-prefix.sh" "$WINEPREFIX"
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
