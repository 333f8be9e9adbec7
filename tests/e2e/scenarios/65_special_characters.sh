# A game folder whose path holds & and a blank and a letter outside ASCII, a mod folder
# with &, and extra parameters with % & | > ^ inside and outside quotes: the stand-in server
# receives exactly the line the preview showed, and nothing else runs. A start whose server
# program is missing is shown in red, and so is one whose server fails after the press has
# shown it green; Start Server twice, while the first server still runs, starts a second
# one. The right mouse button on Command Line opens the page. At the end zarn.ini names the
# game folder of the other scenarios again.

# Windows texts as zarn.ini and the stand-in's record hold them: the ANSI code page, 1252.
odd_dir='C:\Games & More\H'$'\xe4''lf-Life\'
odd_game="$WINEPREFIX/drive_c/Games & More/Hälf-Life"
odd_extra='+sv_password 50%off +hostname "R&D | 100% fun" a&echo injected>C:\injected.txt|b^c %PATH%'
odd_line="\"${odd_dir}hl.exe\" -game \"r&d\" -console -noipx +port 27015 +maxplayers  8 +map lab"
odd_line+=" +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt $odd_extra"
# The batch file as the command interpreter reads it: the OEM code page (437: the same
# letter is \x84), % doubled, carets before & | > ^ outside quotes.
odd_batch='"C:\Games & More\H'$'\x84''lf-Life\hl.exe" -game "r&d" -console -noipx +port 27015 +maxplayers  8 +map lab'
odd_batch+=' +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt'
odd_batch+=' +sv_password 50%%off +hostname "R&D | 100%% fun" a^&echo injected^>C:\injected.txt^|b^^c %%PATH%%'

# A driver argument: in double quotes, a quote inside doubled. The driver compares texts in
# UTF-8, as the program holds them.
word() { printf '"%s"' "${1//\"/\"\"}"; }
utf8() { printf '%s' "$1" | iconv -f CP1252 -t UTF-8; }

# wait_for_lines <file> <count>: the stand-ins write their records in their own time.
wait_for_lines() {
  local waited=0
  until [ -f "$1" ] && [ "$(grep -c '' "$1")" -ge "$2" ]; do
    [ $waited -lt 200 ] || { fail special-characters "$1 did not get $2 lines within 20 s"; return 1; }
    sleep 0.1; waited=$((waited + 1))
  done
}

# start_told_red <run>: drives the lines on stdin, after which the status must tell the
# failed start, drawn in red.
start_told_red() {
  { cat; printf '%s\n' 'expect lblStatus text "Error: the server did not start! See zarn.log"' 'geometry lblStatus'; } |
    drive "$1" && expect_ink special-characters lblStatus "$(tail -n 1 "$scripts/$1.txt")" '#FF1111'
}

odd_results() {
  expect_file special-characters "$odd_game/started.txt" "$odd_line" "$odd_line"
  expect_file special-characters "$odd_game/zarn.bat" "$odd_batch"
  local injected
  for injected in injected.txt injected.log; do
    [ ! -e "$WINEPREFIX/drive_c/$injected" ] || fail special-characters "a command typed as a parameter ran: $injected"
  done
  [ -n "$(find "$WINEPREFIX/drive_c/users" -name zarn2.log)" ] ||
    fail special-characters "the second server's output did not go to zarn2.log beside the first one's"
}

mkdir -p "$odd_game"
cp "$helpers/hl.exe" "$helpers/hlds.exe" "$odd_game/"
add_mod "$odd_game" 'r&d' 'Research & Development' lab yard
printf 'path %s\r\noptions -heapsize 64000\r\n' "$odd_dir" >"$ini"
rm -f "$odd_game/started.txt" "$odd_game/hold.txt"

if drive special-characters <<SCRIPT
launch "$zarn_exe"
expect txtExec text $(word "$(utf8 "${odd_dir}hl.exe")")
expect cmbModList items "r&d"
$(open_command_line 'r&d' lab)
type cmbMaxPlayers "8&echo injected>C:\injected.log"
expect cmbMaxPlayers text " 8"
type txtExtra1 $(word "$odd_extra")
expect txtFileContents text $(word "$(utf8 "$odd_line")")
click cmdCommandOK
click optServerFile
click cmdServerOK
click optMapFile
pick lstMapList lab
click cmdAddMap
click cmdMapOK
click optMotd
click cmdSaveFile
expect cmdStart enabled yes
SCRIPT
then
  mv "$odd_game/hl.exe" "$odd_game/hl.exe.away"
  start_told_red special-characters-missing <<<$'attach\nclick cmdStart' || true
  mv "$odd_game/hl.exe.away" "$odd_game/hl.exe"
  # A server that fails once the press has returned green: it runs until the driver takes
  # hold.txt away, then ends with a failure, and the watch turns the status red.
  : >"$odd_game/hold.txt"
  : >"$odd_game/fails.txt"
  start_told_red special-characters-fails-later <<SCRIPT || true
attach
click cmdStart
expect lblStatus text "Server started. Have fun!"
remove $(word "$(utf8 "${odd_dir}hold.txt")")
SCRIPT
  rm -f "$odd_game/hold.txt" "$odd_game/fails.txt" "$odd_game/started.txt"
  # The stand-ins run on, as servers do, until hold.txt goes.
  : >"$odd_game/hold.txt"
  if drive special-characters-twice <<SCRIPT
attach
click cmdStart
expect lblStatus text "Server started. Have fun!"
click cmdStart
expect lblStatus text "Server started. Have fun!"
click optCommandLine right
expect frmCommandLine visible yes
expect cmbMaxPlayers text " 8"
geometry
SCRIPT
  then
    screenshot special-characters "$(tail -n 1 "$scripts/special-characters-twice.txt")" "$artifacts/special-characters.png" || true
  fi
  wait_for_lines "$odd_game/started.txt" 2 || true
  rm -f "$odd_game/hold.txt"
  drive close <<<$'attach\nclose\nended' || true
  odd_results || true
fi
rm -f "$odd_game/hold.txt"
write_lines "$ini" 'path C:\Sierra\Half-Life\' 'options -heapsize 64000'
