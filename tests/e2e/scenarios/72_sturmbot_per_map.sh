# Sturmbot's per-map files, as an operator makes one: dod with the sample game's Sturmbot
# 3.0 (weapon classes), the fill-server box cleared on the Bot Setup page, dod_ridge chosen
# (it has waypoints, and ripent.exe finds its Allies British), two bots added, one of them
# with a class whose name has a "ü", and Save File writes sturmbot\dod_ridge_bot.cfg. A map
# without waypoints shows the red warning; Delete File removes the file again and returns
# to fill-server mode.
per_map_file="$game/dod/sturmbot/dod_ridge_bot.cfg"
rm -f "$per_map_file"
if drive sturmbot-per-map <<SCRIPT
$(open_per_map_panel)
expect frmInfo text bot.cfg
expect lblSturmbotMapStatus text "Please select map"
expect cmbSturmbotMapList items dod_ridge dod_harbour dod_orchard
pick cmbSturmbotMapList dod_ridge
expect lblSturmbotMapStatus text "Waypoint file exists."
expect frmSturmbotCustom text dod_ridge.wpt
expect frmInfo text dod_ridge_bot.cfg
expect optSturmbotAxis1 text German
expect optSturmbotAllies2 text British
expect optSturmbotAllies2 visible yes
expect optSturmbotAllies1 visible no

click optSturmbotAllies2
expect cmbSturmbotClass items 1-Rifleman "2-Sergeant Major" 3-Marksman 4-Gunner
pick cmbSturmbotClass 3-Marksman
type txtSturmbotName Tommy
click cmdSturmbotAdd
click optSturmbotAxis1
expect cmbSturmbotClass items 1-Grenadier 2-Stosstruppe 3-Unteroffizier 4-Sturmtruppe 5-Scharfschütze 6-MG34-Schütze 7-MG42-Schütze
pick cmbSturmbotClass 5-Scharfschütze
expect cmbSturmbotClass text 5-Scharfschütze
type txtSturmbotName Fritz
click cmdSturmbotAdd
expect cmdSturmbotSave enabled yes
click cmdSturmbotSave
expect cmdSturmbotOK enabled yes
geometry
SCRIPT
then
  screenshot sturmbot-per-map "$(tail -n 1 "$scripts/sturmbot-per-map.txt")" "$artifacts/sturmbot-per-map.png" || true
  expect_file sturmbot-per-map "$per_map_file" '# Sturmbot settings' 'min_reaction  300' 'max_reaction  500' \
    'friendlyfiremode off' 'rank on' 'formsquad off' 'knifeonly off' 'pistolonly off' 'grenadeonly off' \
    'bloodmode 0' 'grenadeonly off' 'bind F3 sturmbotmenu' 'maxteamkills 3' 'maxbodies 12' '' \
    'addbot 1 3 5 Tommy' 'addbot 2 5 5 Fritz'
  [ -f "$game/dod/maps/dod_ridge.ent" ] || fail sturmbot-per-map "ripent.exe left no dod_ridge.ent"
  if drive sturmbot-per-map-warning <<SCRIPT
attach
pick cmbSturmbotMapList dod_orchard
expect lblSturmbotMapStatus text "WARNING: No waypoint file exist."
expect frmInfo text bot.cfg
expect cmdSturmbotAdd enabled no
expect txtSturmbotName enabled no
geometry lblSturmbotMapStatus
SCRIPT
  then
    expect_ink sturmbot-per-map-warning lblSturmbotMapStatus "$(tail -n 1 "$scripts/sturmbot-per-map-warning.txt")" '#FF1111'
  fi
  if drive sturmbot-per-map-delete <<SCRIPT
attach
pick cmbSturmbotMapList dod_ridge
expect cmdSturmbotDel enabled yes
click cmdSturmbotDel
expect chkSturmbotFillserver checked yes
expect frmSturmbotCustom visible no
expect frmInfo text bot.cfg
close
ended
SCRIPT
  then
    [ ! -e "$per_map_file" ] || fail sturmbot-per-map-delete "Delete File left $per_map_file"
  fi
fi
# Later scenarios find the maps not yet exported, as the sample game was made.
rm -f "$game"/dod/maps/*.ent
