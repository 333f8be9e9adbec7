# Typing a path whose executable is missing: the error, the mod list disabled; typing the
# searched folder's path again enables the list but, with no new search, keeps the error.
# A rejected path is never saved.
drive missing-executable <<SCRIPT || true
launch "$zarn_exe"
type txtExec C:\Sierra\Nowhere\hl.exe
expect lblStatus text "Error: Please fix Exec path!"
expect cmbModList enabled no
expect lblMod enabled no
type txtExec C:\Sierra\Half-Life\hl.exe
expect cmbModList enabled yes
expect lblStatus text "Error: Please fix Exec path!"
close
ended
SCRIPT
expect_file missing-executable "$ini" 'path C:\Sierra\Half-Life\' 'options -heapsize 64000'
