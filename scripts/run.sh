#!/usr/bin/env bash
# Sets up the machine, builds, and starts the program in a window. Without a usable display it
# says so and runs the program in a virtual display instead, walking its tours and saving a
# screenshot of every page (scripts/screenshot-tour.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec build/src/main/quick-intro "$@"
fi
echo "No usable display (DISPLAY is '${DISPLAY:-}'): running the program in a virtual display" \
     "instead and saving screenshots of its pages."
exec scripts/screenshot-tour.sh build/src/main/quick-intro build/screenshots
