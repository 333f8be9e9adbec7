#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests (sanitized), zarn.exe under Wine,
# and a short run of each fuzz target over its corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build/native"
ctest --output-on-failure -j "$(nproc)"
"$root/scripts/fuzz.sh"
