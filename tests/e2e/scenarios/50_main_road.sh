# The road through the pages for a mod without a bot, as an operator takes it, up to Start
# Server: each page's Save writes its file into the mod folder, and the server is started
# with the command line the preview showed.
road_line='C:\Sierra\Half-Life\hl.exe -game valve -console -noipx +port 27015 +maxplayers 8 +map quarry +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt -heapsize 64000'
road_cycle=(canal depot quarry canal depot)
road_welcome=('Welcome to My valve server.' 'Play fair, have fun.')

# What Start Server left behind; every check runs, also after one has failed.
road_results() {
  expect_file main-road "$game/zarn.bat" "$road_line"
  # The stand-in records its GetCommandLineA. The command interpreter hands a program
  # started from a batch line that line as written (the program's path as it stands there,
  # both blanks after zarn_lserver.cfg kept), so the record is the batch's line again.
  wait_for_file main-road "$game/started.txt" 20 && expect_file main-road "$game/started.txt" "$road_line"
  expect_file main-road "$game/valve/zarn_lserver.cfg" 'hostname "My valve server."' 'mp_friendlyfire 1' \
    'mp_footsteps 1' 'mp_flashlight 1' 'mp_deathmsg 1' 'mp_falldamage 1' 'sv_lan 0' 'mp_teamlimit 2' \
    'mp_timelimit 30' 'sv_maxspectators 4' ''
  expect_file main-road "$game/valve/zarn_mapcycle.txt" "${road_cycle[@]}"
  expect_file main-road "$game/valve/zarn_motd.txt" "${road_welcome[@]}"
}

rm -f "$game/started.txt"
if drive main-road <<SCRIPT
launch "$zarn_exe"
$(open_command_line valve quarry)
expect lblStatus text "Server Configuration ok?"
click cmdCommandOK
expect txtFileContents text "$road_line"
expect frmCommandLine visible no
expect lblStatus text "Please select Server Configuration"

click optServerFile
expect frmInfo text zarn_lserver.cfg
click cmdServerOK
expect lblStatus text "Please select Map Cycle"

# Maps are added with Add Map or by a double click; a map may come round twice.
click optMapFile
pick lstMapList ${road_cycle[0]}
click cmdAddMap
pick lstMapList ${road_cycle[1]}
click cmdAddMap
dblclick lstMapList ${road_cycle[2]}
dblclick lstMapList ${road_cycle[3]}
expect lblStatus text "C'mon, add some more maps..."
dblclick lstMapList ${road_cycle[4]}
expect lblStatus text "Map cycle ok?"
click cmdMapOK
expect lblStatus text "Please select Welcome Message"

click optMotd
expect txtFileContents text "${road_welcome[0]}"
type txtFileContents "${road_welcome[0]}{enter}${road_welcome[1]}"
click cmdSaveFile
expect cmdStart enabled yes
expect lblStatus text "You can now Start Server"
expect frmInfo visible no

click cmdStart
expect lblStatus text "Server started. Have fun!"
expect cmdStart enabled yes
geometry lblStatus
geometry
SCRIPT
then
  screenshot main-road "$(tail -n 1 "$scripts/main-road.txt")" "$artifacts/started.png" || true
  # The closing text in green.
  expect_ink main-road lblStatus "$(tail -n 2 "$scripts/main-road.txt" | head -n 1)" '#118811' || true
  drive close <<<$'attach\nclose\nended' || true
  road_results || true
fi
