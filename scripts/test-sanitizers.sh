#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer (fuzz targets
# included) and runs the whole test suite and each fuzz target over its seed inputs; then builds
# again under ThreadSanitizer and runs the tests of threads. Any report fails the run.
#
# Tests of threads are the GoogleTest suites whose names start with "Thread" (Thread,
# ThreadSynchronize, ThreadedTimer, ...): name every suite that starts workers that way and it
# runs under ThreadSanitizer too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
scripts/build.sh build-asan -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DQI_SANITIZE=address,undefined -DQI_BUILD_BENCH=OFF \
  -DQI_BUILD_FUZZERS=ON
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
scripts/fuzz-regression.sh build-asan

scripts/build.sh build-tsan -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DQI_SANITIZE=thread -DQI_BUILD_BENCH=OFF -DQI_BUILD_FUZZERS=OFF
ctest --test-dir build-tsan --output-on-failure -j"$(nproc)" -R '^Thread'
