# shellcheck shell=bash
# Shell functions for driving the program's window in a virtual X display with xdotool; sourced by
# scripts/screenshot-tour.sh and by the Windows program's tests (tests/main/windows). Sourcing it
# sources virtual-display.sh (the scratch folder $work, the display, $program_pid) and arranges
# that the session ends as end_session says.
source "$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh"

client_width=466
client_height=334

# Makes a fresh Wine prefix in the temporary folder (options of scripts/wine-prefix.sh) and uses it.
use_wine_prefix() {
  export WINEPREFIX="$work/wine"
  "$(dirname "${BASH_SOURCE[0]}")/../wine-prefix.sh" "$WINEPREFIX" "$@"
}

# Ends what the session started, Wine's server of the session's prefix first (it would outlive the
# prefix), then the rest as virtual-display.sh does.
end_session() {
  [ "${WINEPREFIX:-}" = "$work/wine" ] && wineserver -k 2>/dev/null || true
  end_virtual_display_session
}
trap end_session EXIT

# Runs the program in the background (program_pid) on the day $1 (YYYY-MM-DD) with the other
# arguments: a Windows program (.exe) under Wine in the prefix WINEPREFIX names, any other directly.
# The program takes the day from the system's clock, so its clock is moved to noon of that day;
# only the date moves: the monotonic clock (timers) and file times (fontconfig trusts its caches by
# them) stay true. Other programs run under libfaketime (faketime; the threaded library, for a
# program with threads); Wine's 32-bit processes read the clock through calls libfaketime does not
# know, and run with wine_day.so preloaded instead (its messages go to $work/wine.log).
start_program() {
  local day=$1
  shift
  if [[ $program == *.exe ]]; then
    [ -f "$work/wine_day.so" ] ||
      gcc -m32 -shared -fPIC -O2 -o "$work/wine_day.so" "$(dirname "${BASH_SOURCE[0]}")/wine_day.c"
    LD_PRELOAD="$work/wine_day.so" WINE_DAY_OFFSET=$(($(date -d "$day 12:00:00" +%s) - $(date +%s))) \
      WINEDEBUG=-all wine "$program" "$@" 2>>"$work/wine.log" &
  else
    SDL_VIDEODRIVER=x11 NO_FAKE_STAT=1 faketime -m --exclude-monotonic "$day 12:00:00" \
      "$program" "$@" &
  fi
  program_pid=$!
}

# The program's window, once it has a caption "Intro n/N"; fails after thirty seconds (Wine may
# take long to start on a loaded machine).
find_window() {
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Intro [0-9]+/[0-9]+$' | head -n 1)
  [ -n "$window" ] || { echo "The program's window did not appear" >&2; return 1; }
  echo "$window"
}

caption_of() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits until the caption of window $1 is $2; fails after five seconds.
wait_for_caption() {
  for _ in $(seq 200); do
    [ "$(caption_of "$1")" = "$2" ] && return 0
    sleep 0.025
  done
  echo "The caption did not become \"$2\" (it is \"$(caption_of "$1")\")" >&2
  return 1
}

# Where the client area lies in window $1, "x y": at its corner for the SDL window, which has no
# frame without a window manager; inside the frame that Wine draws itself around its windows.
client_origin() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  local border=$(((WIDTH - client_width) / 2))
  echo "$border $((HEIGHT - client_height - border))"
}

# Clicks at the client point ($2, $3) of window $1.
click_client() {
  local origin
  read -r -a origin <<<"$(client_origin "$1")"
  xdotool mousemove --window "$1" $(($2 + origin[0])) $(($3 + origin[1])) click 1
}

# "Next >>" (on the last page "Finish"), at the middle of the button.
click_next() { click_client "$1" 324 312; }

# Saves the client area of window $1 as a PNG picture $2.
screenshot_client() {
  local origin
  read -r -a origin <<<"$(client_origin "$1")"
  /usr/bin/import -window "$1" \
    -crop "${client_width}x${client_height}+${origin[0]}+${origin[1]}" +repage "$2"
}

# The notebook page shown at step $2 of tour $1.
page_of() {
  local pages
  case $1 in
    december-init) pages=(0 1 2 3 4 5 6 7 8) ;;
    june-init) pages=(1 2 3 4 5 6 7 8) ;;
    december) pages=(0 1 3 4 5 6 7) ;;
    june) pages=(1 3 4 5 6 7) ;;
  esac
  echo "${pages[$(($2 - 1))]}"
}
