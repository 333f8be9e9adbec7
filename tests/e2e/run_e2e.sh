#!/usr/bin/env bash
# End-to-end tests: the real zarn.exe under Wine on a virtual display, driven through its
# native windows by zarndrive.exe, on a sample game folder of our own in a fresh Wine prefix.
#   run_e2e.sh <cross build folder> <work folder>
# The work folder keeps the prefix, the driver's scripts and output, and artifacts/ with
# screenshots of the window: after start-up, after Start Server and with the class-limit
# editor open.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"
source "$here/sample_game.sh"
source "$here/steps.sh"

[ $# -eq 2 ] || { echo "usage: $0 <cross build folder> <work folder>" >&2; exit 2; }
[ -d "$1" ] || wine_fail "no cross build folder $1"
build=$(cd "$1" && pwd)
zarn="$build/src/win32/zarn.exe"
helpers="$build/tests/e2e/windows"
mkdir -p "$2"
work=$(cd "$2" && pwd)
scripts="$work/scripts"
artifacts="$work/artifacts"
[ -f "$zarn" ] || wine_fail "$zarn is missing: build the cross build first"

# One run at a time in a work folder: a second one would pull the prefix from under it.
exec 9>"$work/e2e.lock"
flock -w 600 9 || wine_fail "another end-to-end run in $work did not finish within 600 s"
rm -rf "$work/wineprefix" "$scripts"
mkdir -p "$scripts" "$artifacts"
trap 'stop_wine; stop_display' EXIT

started=$(date +%s)
start_display "$work"
make_prefix "$work/wineprefix" "$work/wine.log"
wine_manages_windows N
# For the scenarios: the game folder and the settings file as Linux paths, and zarn.exe as
# the driver starts it.
game="$WINEPREFIX/drive_c/Sierra/Half-Life"
ini="$WINEPREFIX/drive_c/windows/zarn.ini"
zarn_exe=$(windows_path "$zarn")
make_sample_game "$game" "$helpers"

failures=()
fail() { failures+=("$1: $2"); echo "FAILED $1: $2"; }

# drive <scenario>: runs the driver script read from stdin (zarndrive.cpp describes the
# commands); its output, without CRs, is in $scripts/<scenario>.txt. Fails the scenario when
# the driver does. In a here-document a backslash stands for itself, unless it ends a line.
drive() {
  local script="$scripts/$1.zds"
  cat >"$script"
  local status=0
  timeout 300 wine "$helpers/zarndrive.exe" "$(windows_path "$script")" >"$scripts/$1.out" 2>&1 || status=$?
  tr -d '\r' <"$scripts/$1.out" >"$scripts/$1.txt"
  [ $status -eq 0 ] && return 0
  fail "$1" "$(cat "$scripts/$1.txt")"
  return 1
}

# expect_file <scenario> <file> <line>...: the file holds exactly these lines, each ended by CR LF.
# A difference is recorded, never fatal: the run goes on to its summary.
expect_file() {
  local scenario=$1 file=$2; shift 2
  if [ ! -f "$file" ]; then
    fail "$scenario" "$file is missing"
  elif ! cmp -s "$file" <(printf '%s\r\n' "$@"); then
    fail "$scenario" "$file holds $(od -c "$file" | head -n 8), expected the lines: $*"
  fi
}

# The scenarios, in the order of their file names, on the same prefix and game folder.
for scenario in "$here"/scenarios/*.sh; do
  echo "== $(basename "$scenario" .sh)"
  source "$scenario"
done

echo "== done in $(($(date +%s) - started)) s; screenshots in $artifacts"
if [ ${#failures[@]} -gt 0 ]; then
  echo "${#failures[@]} end-to-end check(s) failed:" >&2
  printf '  %s\n' "${failures[@]}" >&2
  exit 1
fi
echo "all end-to-end scenarios passed"
