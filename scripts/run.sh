#!/usr/bin/env bash
# Sets up the machine, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
if [ ! -x build/src/main/quick-intro ]; then
  echo "Built the libraries and tests; the program itself is not part of the build yet."
  exit 0
fi
exec build/src/main/quick-intro "$@"
