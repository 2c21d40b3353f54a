#!/usr/bin/env bash
# Runs every built fuzz target once over its inputs, so that a fixed crash stays fixed and what the
# fuzzing campaigns reached stays reachable without a fault:
#   fuzz/seeds/<target>/        hand-made starting inputs
#   fuzz/corpus/<target>/       the campaigns' minimised corpus
#   fuzz/regressions/<target>/  inputs that once crashed (crash-DATE-WHAT)
# Usage: scripts/fuzz-regression.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shopt -s nullglob
for target in "$folder"/fuzz/*_fuzzer; do
  name=$(basename "$target")
  inputs=()
  for kind in seeds corpus regressions; do
    [ -d "fuzz/$kind/${name%_fuzzer}" ] && inputs+=("fuzz/$kind/${name%_fuzzer}")
  done
  if [ ${#inputs[@]} -gt 0 ]; then
    echo "== $name over ${inputs[*]}"
    "$target" -runs=0 "${inputs[@]}"
  fi
done
