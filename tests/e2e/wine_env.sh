# Wine on a virtual display, for the end-to-end tests and the headless run of zarn.exe.
# Sourced; every call into Wine is bounded with `timeout`.

export WINEDEBUG=-all
# No Mono or Gecko install prompts, no menu entries written into the user's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_fail() { echo "error: $*" >&2; exit 1; }

# Starts Xvfb on a display it picks itself and exports DISPLAY. $1: folder for its files.
start_display() {
  local dir=$1 waited=0
  rm -f "$dir/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
  XVFB_PID=$!
  until [ -s "$dir/display" ]; do
    kill -0 "$XVFB_PID" 2>/dev/null || wine_fail "Xvfb did not start (see $dir/xvfb.log)"
    [ $waited -lt 100 ] || wine_fail "Xvfb gave no display within 10 s"
    sleep 0.1; waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n 1 "$dir/display")"
}

stop_display() {
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null || true
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
}

# Creates the Wine prefix $1 when it is missing and exports WINEPREFIX. $2: log file.
make_prefix() {
  export WINEPREFIX=$1
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$WINEPREFIX"
  timeout 300 wineboot -i >>"$2" 2>&1 || wine_fail "wineboot could not set up $WINEPREFIX (see $2)"
}

# Lets Wine draw the windows' frames itself: without a window manager (Xvfb) a managed
# window has no caption, and Wine waits two seconds for every window that closes.
# $1: Y or N.
wine_manages_windows() {
  if [ "$1" = N ]; then
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  else
    timeout 60 wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  fi
}

# Ends every process of the prefix: zarn, the stand-ins, Wine's own services.
stop_wine() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  timeout 30 wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w 2>/dev/null || true
}

# The Windows path of a Linux path, through Wine's drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
