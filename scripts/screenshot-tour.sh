#!/usr/bin/env bash
# Runs the program in a virtual X display (Xvfb), walks each of its four tours with "Next >>" and
# saves a screenshot of every page, then prints where they are.
#
# Usage: scripts/screenshot-tour.sh [PROGRAM] [FOLDER]
#   PROGRAM  the program to run (default build/src/main/quick-intro)
#   FOLDER   where the screenshots go (default build/screenshots)
#
# The tours: Init mode (first argument "init") and not, each in December and in June. The program
# takes the day from the system's clock, so it runs under libfaketime (faketime), which makes its
# clock start at noon of the tour's day. The Init tours end with "Finish", which stores the chosen
# clock style in a registry store under a temporary XDG_CONFIG_HOME, never in yours.
# Files: <tour>-<step>-page<index>.png, e.g. december-init-1-page0.png.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/src/main/quick-intro}")
folder=${2:-build/screenshots}
mkdir -p "$folder"
folder=$(realpath "$folder")

for tool in Xvfb xdotool faketime /usr/bin/import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

source scripts/lib/virtual-display.sh
start_virtual_display

caption_of() { xdotool getwindowname "$1" 2>/dev/null || true; }

# Waits until the window's caption is $2; fails after a few seconds.
wait_for_caption() {
  for _ in $(seq 200); do
    [ "$(caption_of "$1")" = "$2" ] && return 0
    sleep 0.025
  done
  echo "The caption did not become \"$2\" (it is \"$(caption_of "$1")\")" >&2
  return 1
}

# tour name, date, arguments...
walk_tour() {
  local name=$1 date=$2
  shift 2
  # The threaded library, for a program with threads. Only the date moves: the monotonic clock
  # (timers) and file times (fontconfig trusts its caches by them) stay true.
  XDG_CONFIG_HOME="$work/config-$name" SDL_VIDEODRIVER=x11 NO_FAKE_STAT=1 \
    faketime -m --exclude-monotonic "$date 12:00:00" "$program" "$@" &
  program_pid=$!
  local window
  window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Intro [0-9]+/[0-9]+$' | head -n 1)
  [ -n "$window" ] || { echo "The window of tour $name did not appear" >&2; return 1; }
  local caption steps step page
  caption=$(caption_of "$window")
  steps=${caption#*/}
  for step in $(seq "$steps"); do
    wait_for_caption "$window" "Intro $step/$steps"
    page=$(page_of "$name" "$step")
    sleep 0.3  # the repaint after the page change
    /usr/bin/import -window "$window" "$folder/$name-$step-page$page.png"
    # "Next >>" (on the last page "Finish"), at the middle of the button.
    xdotool mousemove --window "$window" 324 312 click 1
  done
  wait "$program_pid"
  program_pid=""
}

# The notebook page shown at a step of a tour.
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

walk_tour december-init 2026-12-24 init
walk_tour june-init 2026-06-15 init
walk_tour december 2026-12-24
walk_tour june 2026-06-15
echo "Screenshots of every page of the four tours are in $folder"
