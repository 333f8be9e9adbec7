#!/usr/bin/env bash
# Benchmark, not a test (ctest does not run it): zarn.exe under Wine and Xvfb, as a new user
# meets it, against what its work cannot go below. For game folders of five mods, one of
# them holding 100, 1,000 and 10,000 maps, it prints from one run:
#   choice    picking that mod until the window has painted, against an in-process
#             enumeration of the same maps folder by enumerate.exe (goal: at most twice the
#             enumeration plus one repaint of the whole window, also measured);
#   start-up  launching zarn.exe until its window has painted, against a bare window.
# Each figure is the median of ZARN_BENCH_RUNS runs (5). Builds first; its files, the Wine
# prefix, the driver's scripts and output and every run's figures (runs-<maps>.txt), stay
# in build/bench.
#   bash tests/bench/run_wine_bench.sh [maps...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/tests/e2e/wine_env.sh"
source "$root/tests/e2e/sample_game.sh"

runs=${ZARN_BENCH_RUNS:-5}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100 1000 10000)
work="$root/build/bench"
mkdir -p "$work"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" >"$work/build.log" 2>&1 || wine_fail "the build failed (see $work/build.log)"
build="$root/build/win"
zarn=$(windows_path "$build/src/win32/zarn.exe")
bare=$(windows_path "$build/tests/bench/windows/bare_window.exe")
enumerate="$build/tests/bench/windows/enumerate.exe"
zarndrive="$build/tests/e2e/windows/zarndrive.exe"
exec 9>"$work/bench.lock"
flock -w 10 9 || wine_fail "another benchmark runs in $work"
trap 'stop_wine; stop_display' EXIT
start_display "$work"
make_prefix "$work/wineprefix" "$work/wine.log"
wine_manages_windows N

# drive <name>: runs the driver script read from stdin; prints its output without CRs.
drive() {
  cat >"$work/$1.zds"
  timeout 900 wine "$zarndrive" "$(windows_path "$work/$1.zds")" >"$work/$1.out" 2>&1 ||
    wine_fail "the driver failed on $1: $(tr -d '\r' <"$work/$1.out")"
  tr -d '\r' <"$work/$1.out"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# make_bench_game <folder> <maps>: hl.exe, four small mods and "big" with that many maps.
make_bench_game() {
  local game=$1 maps=$2 mod
  rm -rf "$game"
  mkdir -p "$game"
  cp "$build/tests/e2e/windows/hl.exe" "$game/"
  for mod in alpha beta gamma delta; do add_mod "$game" "$mod" "Mod $mod" "${mod}_1" "${mod}_2" "${mod}_3"; done
  add_mod "$game" big "Many maps"
  seq -f "map%05g.bsp" 1 "$maps" | (cd "$game/big/maps" && xargs touch)
}

# A first start of Wine's services in the fresh prefix is no part of any figure.
drive warm-up >/dev/null <<SCRIPT
launch "$bare"
close
ended
SCRIPT

results=()
for maps in "${sizes[@]}"; do
  echo "== $maps maps: building the game folder and measuring ($runs runs each)"
  make_bench_game "$WINEPREFIX/drive_c/Bench/$maps" "$maps"
  write_lines "$WINEPREFIX/drive_c/windows/zarn.ini" "path C:\\Bench\\$maps\\" 'options -heapsize 64000'
  enumerations=() choices=() repaints=() startups=() windows=()
  # Run by run, each figure beside the one it is set against, so that a machine busy with
  # other work weighs on both alike.
  drive "launch-$maps" >/dev/null <<<"launch \"$zarn\""
  for ((run = 1; run <= runs; run++)); do
    # The first enumeration reads the folder from disk, as start-up has for zarn's pick.
    enumerations+=("$(timeout 300 wine "$enumerate" "C:\\Bench\\$maps\\big\\maps\\*.bsp" 2 | tr -d '\r' | tail -n 1)")
    # Another mod first, so that the timed pick fills the map lists anew.
    choices+=("$(drive "choice-$maps" <<<$'attach\npick cmbModList alpha\ntimed pick cmbModList big')")
    repaints+=("$(drive "repaint-$maps" <<<$'attach\ntimed repaint')")
  done
  # The map lists of the hidden pages are filled when a page shows them: the first map's
  # list on the Command Line page, opened here, timed, to see that every map is listed.
  drive "listed-$maps" >"$work/listed-$maps.txt" <<<$'attach\ntimed click optCommandLine\nprint cmbMapList1 items\nclose\nended'
  listed=$(($(wc -l <"$work/listed-$maps.txt") - 1))
  [ "$listed" -eq "$maps" ] || wine_fail "zarn listed $listed maps of $maps (see $work/listed-$maps.txt)"
  for ((run = 1; run <= runs; run++)); do
    times=$(drive "start-up-$maps" <<SCRIPT
timed launch "$zarn"
close
ended
timed launch "$bare"
close
ended
SCRIPT
)
    startups+=("$(head -n 1 <<<"$times")")
    windows+=("$(tail -n 1 <<<"$times")")
  done
  {
    echo "enumerate ${enumerations[*]%% *}"
    echo "choice ${choices[*]}"
    echo "repaint ${repaints[*]}"
    echo "opening the Command Line page $(head -n 1 "$work/listed-$maps.txt")"
    echo "start-up ${startups[*]}"
    echo "bare ${windows[*]}"
  } >"$work/runs-$maps.txt"
  results+=("$(awk -v m="$maps" -v e="$(printf '%s\n' "${enumerations[@]}" | cut -d' ' -f1 | median)" \
    -v c="$(printf '%s\n' "${choices[@]}" | median)" -v r="$(printf '%s\n' "${repaints[@]}" | median)" \
    -v s="$(printf '%s\n' "${startups[@]}" | median)" -v b="$(printf '%s\n' "${windows[@]}" | median)" 'BEGIN {
    printf "%7d | %8.1f %9.2f %7.1fx %8.1f  %-6s | %8.1f %8.1f %6.2fx", m, c, e, c / e, r,
      (c <= 2 * e + r ? "met" : "missed"), s, b, s / b }')")
done

cat <<TABLE

Medians of $runs runs, in milliseconds (zarn.exe under Wine $(wine --version 2>/dev/null), Xvfb).
   maps |   choice enumerate   ratio  repaint  goal   | start-up     bare   ratio
$(printf '%s\n' "${results[@]}")
goal: choice <= 2 x enumerate + repaint; ratio: choice / enumerate, start-up / bare
TABLE
