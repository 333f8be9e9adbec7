# The road of a mod with Marinebot up to Start Server: its Bot Setup page shows a notice,
# leaves the preview as it was, and its Save confirms the step without writing a file.
marinebot_line='C:\Sierra\Half-Life\hl.exe -game firearms -console -noipx +port 27015 +maxplayers 8 +map fa_crossing +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt -heapsize 64000'

rm -f "$game/started.txt"
touch "$scripts/marinebot-road.start"
if drive marinebot-road <<SCRIPT
launch "$zarn_exe"
$(open_command_line firearms fa_crossing)
click cmdCommandOK
click optServerFile
click cmdServerOK
click optMapFile
dblclick lstMapList fa_depot
click cmdMapOK
click optMotd
click cmdSaveFile
expect lblStatus text "Please select Bot Setup"

click optBotFile
expect frmMarinebotSetup visible yes
expect frmInfo visible yes
expect frmInfo text zarn_motd.txt
expect txtFileContents text "Welcome to My firearms server."
expect cmdEditFile enabled no
geometry
SCRIPT
then
  screenshot marinebot-road "$(tail -n 1 "$scripts/marinebot-road.txt")" "$artifacts/marinebot-page.png" || true
  if drive marinebot-save <<<"$(save_bot_page_and_start cmdMarinebotOK frmMarinebotSetup)"; then
    expect_file marinebot-road "$game/zarn.bat" "$marinebot_line"
    wait_for_file marinebot-road "$game/started.txt" 20 &&
      expect_file marinebot-road "$game/started.txt" "$marinebot_line"
    # The mod folder received the three files of the earlier pages and nothing else.
    written=$(cd "$game/firearms" && find . -type f -newer "$scripts/marinebot-road.start" | sort | tr '\n' ' ')
    [ "$written" = "./zarn_lserver.cfg ./zarn_mapcycle.txt ./zarn_motd.txt " ] ||
      fail marinebot-road "the mod folder received: $written"
  fi
fi
