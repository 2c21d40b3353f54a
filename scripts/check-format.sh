#!/usr/bin/env bash
# Fails, naming the files, when a C++ source differs from what .clang-format makes of it.
# Fix with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench fuzz tools -name '*.cpp' -o -name '*.h' | sort |
  xargs clang-format --dry-run --Werror
