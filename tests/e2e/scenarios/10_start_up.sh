# Start-up without zarn.ini: the default game folder, its mods listed, the settings written;
# a screenshot of the window; closing the window ends the program at once.

# The mods as zarn must list them: the game folder's sub-folders in the order the command
# interpreter's `dir` gives them, those holding a file named exactly liblist.gam.
listed_mods() {
  timeout 60 wine cmd /c dir /ad /b 'C:\Sierra\Half-Life\' >"$scripts/dir.out" 2>/dev/null
  local folder
  while IFS= read -r folder; do
    folder=${folder%$'\r'}
    [ -f "$game/$folder/liblist.gam" ] && printf ' "%s"' "$folder"
  done <"$scripts/dir.out"
}

[ ! -e "$ini" ] || fail start-up "$ini exists before the first start"
if drive start-up <<SCRIPT
launch "$zarn_exe"
expect txtExec text C:\Sierra\Half-Life\hl.exe
expect cmbModList items $(listed_mods)
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
