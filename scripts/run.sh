#!/usr/bin/env bash
# Runs zarn.exe under Wine: installs what is missing, builds, and opens the window on a
# demo game folder of our own, C:\Sierra\Half-Life\ of a Wine prefix kept for zarn
# ($ZARN_WINEPREFIX, by default ~/.local/share/zarn/wineprefix).
# Without a display it runs on a virtual one, saves a screenshot and stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
source "$root/tests/e2e/wine_env.sh"
source "$root/tests/e2e/sample_game.sh"

zarn="$root/build/win/src/win32/zarn.exe"
helpers="$root/build/win/tests/e2e/windows"
home="${XDG_DATA_HOME:-$HOME/.local/share}/zarn"
mkdir -p "$home"
if [ -n "${DISPLAY:-}" ]; then
  # Wine's first start in a new prefix shows its own progress window there.
  make_prefix "${ZARN_WINEPREFIX:-$home/wineprefix}" "$home/wine.log"
else
  headless=$(mktemp -d)
  trap 'wine_manages_windows Y; stop_wine; stop_display; rm -rf "$headless"' EXIT
  start_display "$headless"
  make_prefix "${ZARN_WINEPREFIX:-$home/wineprefix}" "$home/wine.log"
fi
game="$WINEPREFIX/drive_c/Sierra/Half-Life"
if [ ! -d "$game" ]; then
  echo "Making a demo game folder in $game"
  make_sample_game "$game" "$helpers"
fi

if [ -z "${headless:-}" ]; then
  echo "Starting zarn.exe (Wine prefix $WINEPREFIX); close its window to stop."
  exec wine "$zarn"
fi

# No display: start it on the virtual one and keep a picture of its window.
screenshot="$root/build/zarn-screenshot.png"
wine_manages_windows N
printf 'launch "%s"\ngeometry\n' "$(windows_path "$zarn")" >"$headless/show.zds"
timeout 120 wine "$helpers/zarndrive.exe" "$(windows_path "$headless/show.zds")" >"$headless/show.out" 2>&1 ||
  wine_fail "zarn.exe did not come up: $(tr -d '\r' <"$headless/show.out")"
import -display "$DISPLAY" -window root -crop "$(tr -d '\r' <"$headless/show.out" | tail -n 1)" +repage "$screenshot"
printf 'attach\nclose\nended\n' >"$headless/close.zds"
timeout 60 wine "$helpers/zarndrive.exe" "$(windows_path "$headless/close.zds")" >/dev/null 2>&1 || true
cat <<MESSAGE
No display (DISPLAY is not set), so zarn.exe ran on a virtual one and stopped again.
Its window after start-up: $screenshot
To work with the real window, run this command again on a desktop (or with DISPLAY set
to an X server, for instance over ssh -X).
MESSAGE
