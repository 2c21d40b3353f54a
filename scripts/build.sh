#!/usr/bin/env bash
# Configures (once) and builds one build folder incrementally.
# Usage: scripts/build.sh FOLDER [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1
shift
if [ ! -f "$folder/build.ninja" ]; then
  cmake -S . -B "$folder" -G Ninja \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"
fi
cmake --build "$folder"
