# Start-up without zarn.ini: the default game folder, its mods listed, the settings written;
# a screenshot of the window; closing the window ends the program at once.

[ ! -e "$ini" ] || fail start-up "$ini exists before the first start"
if drive start-up <<SCRIPT
launch "$zarn_exe"
expect txtExec text C:\Sierra\Half-Life\hl.exe
expect cmbModList items $(listed_mods "$game" 'C:\Sierra\Half-Life\')
expect cmbModList enabled yes
expect lblStatus text "Please select a Mod:"
expect cmdStart enabled no
expect optBotFile visible no
expect frmInfo visible no
expect frmCommandLine visible no
expect picSplash visible no
expect picZARN visible yes
geometry
SCRIPT
then
  screenshot start-up "$(tail -n 1 "$scripts/start-up.txt")" "$artifacts/startup.png" || true
  drive close <<<$'attach\nclose\nended' || true
fi
expect_file start-up "$ini" 'path C:\Sierra\Half-Life\' 'options -heapsize 64000'
