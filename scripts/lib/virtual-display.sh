# shellcheck shell=bash
# Sourced by the scripts that run the program in a virtual X display.

# start_virtual_display FOLDER: starts Xvfb (1024x768, 24 bits) on a display number it picks
# itself, exports DISPLAY and sets xvfb_pid for the caller to stop it; FOLDER is the caller's
# scratch folder. Fails when Xvfb does not come up.
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$1/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.05; done
  [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$1/display")"
}
