#!/usr/bin/env bash
# Runs every built fuzz target once over its seed inputs and the crashes kept as regressions
# (fuzz/seeds/<target>/), so that a fixed crash stays fixed.
# Usage: scripts/fuzz-regression.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shopt -s nullglob
for target in "$folder"/fuzz/*_fuzzer; do
  name=$(basename "$target")
  seeds=fuzz/seeds/${name%_fuzzer}
  if [ -d "$seeds" ]; then
    echo "== $name over $seeds"
    "$target" -runs=0 "$seeds"
  fi
done
