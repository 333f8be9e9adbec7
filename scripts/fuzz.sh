#!/usr/bin/env bash
# The libFuzzer targets of fuzz/ (clang, with AddressSanitizer and UndefinedBehaviorSanitizer),
# built in build/fuzz.
#   fuzz.sh                     builds them and runs each briefly over its corpus (as CI does)
#   fuzz.sh <reader> [seconds]  runs fuzz_<reader> for longer (default 600 s) and prints its
#                               final stats; new inputs go to build/fuzz/fuzz/corpus/<reader>,
#                               a crash, hang or leak to build/fuzz/fuzz/artifacts/<reader>/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DZARN_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
if [ $# -eq 0 ]; then
  exec ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
fi
reader=$1
seconds=${2:-600}
target="$build/fuzz/fuzz_$reader"
[ -x "$target" ] || { echo "No fuzz target for '$reader': see fuzz/*.cpp" >&2; exit 2; }
exec "$root/fuzz/run_target.sh" "$target" "$root/fuzz/corpus/$reader" "$build/fuzz" -max_total_time="$seconds"
