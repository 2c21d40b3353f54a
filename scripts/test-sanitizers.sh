#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer (fuzz targets
# included) and runs the whole test suite and each fuzz target over its seed inputs; any report
# fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
scripts/build.sh build-asan -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DQI_SANITIZE=address,undefined -DQI_BUILD_BENCH=OFF
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
scripts/fuzz-regression.sh build-asan
