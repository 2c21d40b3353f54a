#!/usr/bin/env bash
# Runs a command with DISPLAY set to a virtual X display (Xvfb) of its own, and returns its exit
# code: for tests that need a desktop on a machine without one.
set -uo pipefail
source "$(dirname "$0")/lib/tour.sh"
work=$(mktemp -d)
trap 'stop_virtual_display; rm -rf "$work"' EXIT
start_virtual_display || exit 1
"$@"
