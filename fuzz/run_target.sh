#!/usr/bin/env bash
# Runs one fuzz target over its committed corpus, which it only reads: new inputs go to
# <work>/corpus/<reader>/, a crash, a hang (one input over 10 s) or a leak fails the run and
# is written to <work>/artifacts/<reader>/.
#   run_target.sh <target> <committed corpus folder> <work folder> [libFuzzer options...]
set -euo pipefail
[ $# -ge 3 ] || { echo "usage: $0 <target> <committed corpus folder> <work folder> [options...]" >&2; exit 2; }
target=$1 corpus=$2 work=$3
shift 3
reader=$(basename "$corpus")
mkdir -p "$corpus" "$work/corpus/$reader" "$work/artifacts/$reader"
export UBSAN_OPTIONS=print_stacktrace=1
exec "$target" -timeout=10 -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$work/artifacts/$reader/" "$@" \
  "$work/corpus/$reader" "$corpus"
