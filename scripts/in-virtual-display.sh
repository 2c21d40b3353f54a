#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X display (Xvfb) of its own, and returns its exit
# code: for tests that need a desktop on a machine without one.
set -uo pipefail
source "$(dirname "$0")/lib/virtual-display.sh"
start_virtual_display || exit 1
"$@"
