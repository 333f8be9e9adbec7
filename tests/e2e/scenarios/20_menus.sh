# About tells the version; Exit asks first: No keeps everything, Yes ends the program.
drive menus <<SCRIPT || true
launch "$zarn_exe"
menu mnuAbout
answer "ZARN information" Ok "Brenvik v1.0"
menu mnuExit
answer "ZARN Alert!" No "Are you sure you want to exit?"
expect txtExec text C:\Sierra\Half-Life\hl.exe
expect lblStatus text "Please select a Mod:"
menu mnuExit
answer "ZARN Alert!" Yes "Are you sure you want to exit?"
ended
SCRIPT
