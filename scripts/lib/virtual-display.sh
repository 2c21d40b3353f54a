# shellcheck shell=bash
# Sourced by the scripts that run the program in a virtual X display. Sourcing makes a scratch
# folder $work and arranges that when the script ends, the program whose process id it has put
# in $program_pid and the display are stopped and $work is removed.

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
end_virtual_display_session() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap end_virtual_display_session EXIT

# Starts Xvfb (1024x768, 24 bits) on a display number it picks itself and exports DISPLAY; fails
# when Xvfb does not come up.
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$work/display")"
}
