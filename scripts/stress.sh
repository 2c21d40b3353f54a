#!/usr/bin/env bash
# Load tests, outside the normal suite (which runs the same tests briefly): the registry store
# survives a writer killed at 1000 random moments, and the component timer goes through 10 000
# cycles of create, start and destroy (some while a tick waits for the UI thread) without a
# tick after its destruction. Prints how long each took.
#
# Usage: scripts/stress.sh [BUILD FOLDER]   (default build; e.g. build-tsan for the timer under
#                                            ThreadSanitizer, built by scripts/test-sanitizers.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
if [ "$folder" = build ]; then
  scripts/setup.sh
  scripts/build.sh build
fi

# name, test binary, test filter, environment setting
run() {
  local name=$1 binary=$2 filter=$3 setting=$4
  [ -x "$binary" ] || { echo "$binary is missing: build $folder first" >&2; exit 1; }
  echo "== $name ($setting)"
  local start=$SECONDS
  env "$setting" "$binary" --gtest_filter="$filter" --gtest_brief=1
  echo "== $name passed in $((SECONDS - start)) s"
}

run "registry store, writer killed at random moments" \
  "$folder/tests/framework/backends/posix/qi_posix_services_tests" \
  'RegistryFile.SurvivesAWriterKilledAtAnyMoment' QI_STRESS_REGISTRY_KILLS=1000
run "timer created, started and destroyed" "$folder/tests/animation/qi_animation_tests" \
  'ThreadedTimer.NoTickRunsAfterDestructionAlsoWithATickQueued' QI_STRESS_TIMER_CYCLES=10000
