# The road of a mod with Sturmbot, as an operator takes it, up to Start Server: the
# sample game's Sturmbot is made version 1.5 for this road (class types, the quicker
# reaction times), a few settings are changed on the Bot Setup page, and its Save writes
# sturmbot\bot.cfg. Each key typed into a clamped box is clamped and written back at
# once; the caret stays at the end, so a number of several digits is typed as one.
sturmbot_line='C:\Sierra\Half-Life\hl.exe -game dod -console -noipx +port 27015 +maxplayers 8 +map dod_orchard +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt -heapsize 64000'
sturmbot_history="$game/dod/sturmbot/History.txt"

sturmbot_results() {
  expect_file sturmbot-road "$game/dod/sturmbot/bot.cfg" '# Sturmbot settings' 'sturmbot_password boss' \
    '# use, select_passwd boss' 'min_reaction  25' 'max_reaction  50' 'friendlyfiremode on' 'rank on' \
    'formsquad off' 'knifeonly off' 'pistolonly off' 'grenadeonly on' 'bloodmode 2' 'grenadeonly on' \
    'min_bots  3' 'max_bots  8' 'bind F3 sturmbotmenu' 'maxteamkills 3' 'maxbodies 12' '' 'fillserver'
  expect_file sturmbot-road "$game/zarn.bat" "$sturmbot_line"
  wait_for_file sturmbot-road "$game/started.txt" 20 && expect_file sturmbot-road "$game/started.txt" "$sturmbot_line"
}

write_lines "$sturmbot_history" 'Sturmbot release history' '' '1.5' 'sample notes'
rm -f "$game/started.txt" "$game/dod/sturmbot/bot.cfg"
if drive sturmbot-road <<SCRIPT
launch "$zarn_exe"
$(open_command_line dod dod_orchard)
click cmdCommandOK
click optServerFile
click cmdServerOK
click optMapFile
dblclick lstMapList dod_harbour
dblclick lstMapList dod_ridge
click cmdMapOK
click optMotd
click cmdSaveFile
expect lblStatus text "Please select Bot Setup"

click optBotFile
expect frmSturmbotSetup visible yes
expect frmSturmbotSetup text "Sturmbot 1.5 Setup"
expect frmInfo text bot.cfg
expect txtSturmbotMinReaction text " 30"
expect txtSturmbotMaxReaction text " 50"
expect lblMxBt text "< 9"
click chkSturmbotFF
click chkSturmbotKnife
click chkSturmbotGrenade
expect chkSturmbotKnife checked no
type txtSturmbotMaxBots 12
expect txtSturmbotMaxBots text " 8"
type txtSturmbotMinBots 3
expect txtSturmbotMinBots text " 3"
type txtSturmbotMinReaction 25
expect txtSturmbotMinReaction text " 25"
pick cmbSturmbotBlood 2-Bodies
type txtSturmbotPasswd boss
expect lblStatus text "Please select Bot Setup"
geometry
SCRIPT
then
  screenshot sturmbot-road "$(tail -n 1 "$scripts/sturmbot-road.txt")" "$artifacts/sturmbot-page.png" || true
  drive sturmbot-save <<<"$(save_bot_page_and_start cmdSturmbotOK frmSturmbotSetup)" && sturmbot_results || true
fi
# Later scenarios rely on the sample game's Sturmbot 3.0, whatever happened above.
write_lines "$sturmbot_history" 'Sturmbot release history' '' '3.0' 'sample notes'
