#!/usr/bin/env bash
# The Windows program under Wine in a virtual X display, driven with xdotool.
#
# Usage: program_test.sh PROGRAM.exe CHECK
#   tours                 the four tours, the caption at each step: in Init mode December
#                         (clicking "Next >>") and June (pressing Enter, "Next >>" being the
#                         default button), after "Finish" the stored choice read with wine reg
#                         query: the tray clock in December, the floating clock (picked on the
#                         way) in June; outside Init mode December and June, storing nothing
#   replacement-pictures  Windows reporting version 5.1 (winxp), with Images/tray-xp.gif and
#                         Images/outoftray-xp.gif beside the program: the clock style page shows
#                         them (compared with expected/select-tray-xp.png; QI_WRITE_EXPECTED=1
#                         writes it afresh)
#   registry-failure      a key the registry refuses: closing shows the error and the window stays
#                         open on its page; the next close tries again (the key is made volatile
#                         by the tool QI_VOLATILE_KEY_TOOL names)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
source "$root/scripts/lib/tour.sh"
program=$(realpath "$1")
check=$2

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Waits until the program has ended; fails after ten seconds.
wait_for_exit() {
  for _ in $(seq 400); do
    kill -0 "$program_pid" 2>/dev/null || { wait "$program_pid" || true; program_pid=""; return 0; }
    sleep 0.025
  done
  fail "the program did not end"
}

stored_choice() {
  WINEDEBUG=-all wine reg query 'HKCU\Software\Vesperan\Options' /v ChangeTrayClock 2>/dev/null |
    tr -d '\r' | awk '$1 == "ChangeTrayClock" { print $2 " " $3 }'
}

# Goes on to the next step: a click on "Next >>", or Enter (with the pointer over the window, as
# Wine gives keys to the window under the pointer without a window manager).
next_step() {
  case $2 in
    click) click_next "$1" ;;
    key) xdotool mousemove --window "$1" 40 200 key Return ;;
  esac
}

# name, date, how to go on (click or key), choice to make on the clock style page (tray or
# floating; Init mode only), what is stored afterwards ("" for nothing), the program's arguments.
walk_tour() {
  local name=$1 date=$2 how=$3 choice=$4 expected=$5
  shift 5
  use_wine_prefix
  start_program "$date" "$@"
  local window caption steps step
  window=$(find_window)
  caption=$(caption_of "$window")
  steps=${caption#*/}
  [ "$caption" = "Intro 1/$steps" ] || fail "$name opened on \"$caption\""
  for step in $(seq "$steps"); do
    wait_for_caption "$window" "Intro $step/$steps" || fail "$name, step $step"
    # The floating clock's picture, on the clock style page.
    if [ "$(page_of "$name" "$step")" = 2 ] && [ "$choice" = floating ]; then
      click_client "$window" 374 165
    fi
    next_step "$window" "$how"
  done
  wait_for_exit
  [ "$(stored_choice)" = "$expected" ] || fail "$name stored \"$(stored_choice)\", not \"$expected\""
  echo "$name: $steps steps, stored \"$expected\""
  wineserver -k
}

check_tours() {
  walk_tour december-init 2026-12-24 click tray "REG_SZ 1" init
  walk_tour june-init 2026-06-15 key floating "REG_SZ 0" init
  walk_tour december 2026-12-24 click - ""
  walk_tour june 2026-06-15 key - ""
}

check_replacement_pictures() {
  use_wine_prefix --version winxp
  local folder="$work/Kalidor Clock"
  mkdir -p "$folder/Images"
  cp "$program" "$folder/"
  cp "$root/resources/pictures/image8.gif" "$folder/Images/tray-xp.gif"
  cp "$root/resources/pictures/bullet.gif" "$folder/Images/outoftray-xp.gif"
  program="$folder/$(basename "$program")"
  start_program 2026-06-15 init
  local window
  window=$(find_window)
  click_next "$window"
  wait_for_caption "$window" "Intro 2/8" || fail "the clock style page did not come"
  sleep 0.3  # the repaint after the page change
  local expected="$here/expected/select-tray-xp.png" actual="$work/select-tray-xp.png"
  screenshot_client "$window" "$actual"
  if [ -n "${QI_WRITE_EXPECTED:-}" ]; then
    cp "$actual" "$expected"
    echo "wrote $expected"
    return
  fi
  # Text may come out a shade different with another Wine; the pictures may not.
  local differing
  differing=$(/usr/bin/compare -metric AE -fuzz 10% "$expected" "$actual" null: 2>&1 || true)
  if [ "$differing" -gt 50 ]; then
    local kept="$PWD/select-tray-xp.actual.png"
    cp "$actual" "$kept"
    fail "$differing pixels differ from $expected (the picture shown is $kept)"
  fi
  echo "the clock style page shows the replacement pictures ($differing pixels differ)"
}

check_registry_failure() {
  use_wine_prefix
  # The registry refuses a lasting key below a volatile one; volatile keys last while Wine's
  # server runs, so it is kept running.
  wineserver -p
  WINEDEBUG=-all wine "$QI_VOLATILE_KEY_TOOL" 'Software\Vesperan' ||
    fail "the volatile key could not be made"
  start_program 2026-06-15 init
  local window box attempt
  window=$(find_window)
  for attempt in 1 2; do
    click_client "$window" 420 312  # "Close"
    box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quick Introduction$' | head -n 1)
    [ -n "$box" ] || fail "attempt $attempt: no message box"
    xdotool mousemove --window "$box" 10 10 key Return
    for _ in $(seq 200); do
      xdotool search --onlyvisible --name '^Quick Introduction$' >/dev/null || break
      sleep 0.025
    done
    kill -0 "$program_pid" 2>/dev/null || fail "attempt $attempt: the program ended"
    [ "$(caption_of "$window")" = "Intro 1/8" ] || fail "attempt $attempt: the window changed"
  done
  [ -z "$(stored_choice)" ] || fail "a value was stored"
  echo "both closes were refused with a message; the window stayed open"
}

start_virtual_display
case $check in
  tours) check_tours ;;
  replacement-pictures) check_replacement_pictures ;;
  registry-failure) check_registry_failure ;;
  *) fail "no check $check" ;;
esac
