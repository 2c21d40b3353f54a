#!/usr/bin/env bash
# Builds the Windows program and its tests (scripts/build-windows.sh) and runs them under Wine:
# the unit suites that need no desktop, in a fresh Wine prefix of their own, and the program
# itself in a virtual X display, each check in a fresh prefix (tests/main/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-windows.sh
rm -rf build-win32/wine/tests
ctest --test-dir build-win32 --output-on-failure -j"$(nproc)"
