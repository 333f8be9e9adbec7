#!/usr/bin/env bash
# Builds zarn.exe (cross, MinGW-w64) and the native library and tests, the latter with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
cmake -S "$root" -B "$root/build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/win" -j "$jobs"
cmake -S "$root" -B "$root/build/native" -DZARN_WIN_BUILD_DIR="$root/build/win" -DZARN_SANITIZE=ON >/dev/null
cmake --build "$root/build/native" -j "$jobs"
