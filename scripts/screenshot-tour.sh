#!/usr/bin/env bash
# Runs the program in a virtual X display (Xvfb), walks each of its four tours with "Next >>" and
# saves a screenshot of every page, then prints where they are.
#
# Usage: scripts/screenshot-tour.sh [PROGRAM] [FOLDER]
#   PROGRAM  the program to run (default build/src/main/quick-intro); the Windows program
#            (build-win32/src/main/quick-intro.exe, scripts/build-windows.sh) runs under Wine
#   FOLDER   where the screenshots go (default build/screenshots)
#
# The tours: Init mode (first argument "init") and not, each in December and in June. The program
# takes the day from the system's clock, so its clock is made to start at noon of the tour's day
# (libfaketime; for the Windows program, scripts/lib/wine_day.c). The Init tours end with
# "Finish", which stores the chosen clock style in a registry store under a temporary
# XDG_CONFIG_HOME (or in a temporary Wine prefix), never in yours.
# Files: <tour>-<step>-page<index>.png, e.g. december-init-1-page0.png; the client area only.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/tour.sh
program=$(realpath "${1:-build/src/main/quick-intro}")
folder=${2:-build/screenshots}
mkdir -p "$folder"
folder=$(realpath "$folder")

tools=(Xvfb xdotool /usr/bin/import)
if [[ $program == *.exe ]]; then tools+=(wine gcc); else tools+=(faketime); fi
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

start_virtual_display
if [[ $program == *.exe ]]; then use_wine_prefix; fi

# tour name, date, arguments...
walk_tour() {
  local name=$1 date=$2
  shift 2
  XDG_CONFIG_HOME="$work/config-$name" start_program "$date" "$@"
  local window caption steps step page
  window=$(find_window)
  caption=$(caption_of "$window")
  steps=${caption#*/}
  for step in $(seq "$steps"); do
    wait_for_caption "$window" "Intro $step/$steps"
    page=$(page_of "$name" "$step")
    sleep 0.3  # the repaint after the page change
    screenshot_client "$window" "$folder/$name-$step-page$page.png"
    click_next "$window"
  done
  wait "$program_pid"
  program_pid=""
}

walk_tour december-init 2026-12-24 init
walk_tour june-init 2026-06-15 init
walk_tour december 2026-12-24
walk_tour june 2026-06-15
echo "Screenshots of every page of the four tours are in $folder"
