# The class limits of dod maps, Sturmbot 3.0 (weapon classes): the editor opens over a map's
# own file of comments, commands and limits; a class and a limit picked and saved give the
# file exactly, and saving it again unchanged gives the same bytes. A map whose entities
# say British (exported slowly by the stand-in tool) shows the British table; a tool that
# writes nothing, and a missing tool, give their messages.
orchard_cfg="$game/dod/dod_orchard.cfg"
write_lines "$orchard_cfg" '// Orchard: our own settings' 'mp_limitalliesbar 2' 'sv_gravity 800' 'mp_limitaxismg42 3' \
  'exec orchard_extra.cfg'
orchard_saved=('// Orchard: our own settings' 'sv_gravity 800' 'exec orchard_extra.cfg' ''
  'mp_limitalliesgarand -1' 'mp_limitalliescarbine -1' 'mp_limitalliesbar 5' 'mp_limitalliesgreasegun -1'
  'mp_limitalliesthompson -1' 'mp_limitalliesspring -1' 'mp_limitallies30cal -1'
  'mp_limitaxiskar -1' 'mp_limitaxiskar43 -1' 'mp_limitaxisfg42 -1' 'mp_limitaxisfg42s -1' 'mp_limitaxismp40 -1'
  'mp_limitaxismp44 -1' 'mp_limitaxisscopedkar -1' 'mp_limitaxismg34 -1' 'mp_limitaxismg42 1' '')

# The driver's lines that start zarn and open the Map Cycle page of dod.
open_dod_map_cycle() {
  cat <<STEPS
launch "$zarn_exe"
$(open_command_line dod dod_harbour)
click cmdCommandOK
click optServerFile
click cmdServerOK
click optMapFile
STEPS
}

if drive class-limits <<SCRIPT
$(open_dod_map_cycle)
pick lstMapList dod_orchard
click chkClassLimit
expect frmClassLimit visible yes
expect lstMapList enabled no
expect frmInfo text dod_orchard.cfg
expect lblClassAllies text U.S.
expect lblClassAxis text German
expect cmbClassAllies text garand
pick cmbClassAllies bar
expect cmbLimitAllies text 2
pick cmbLimitAllies 5
pick cmbClassAxis mg42
expect cmbLimitAxis text 3
pick cmbLimitAxis 1
geometry
SCRIPT
then
  screenshot class-limits "$(tail -n 1 "$scripts/class-limits.txt")" "$artifacts/class-limits.png" || true
  drive class-limits-save <<<$'attach\nclick cmdClassLimitOK\nexpect frmClassLimit visible no\nexpect frmInfo text zarn_mapcycle.txt\nexpect lstMapList enabled yes\nclose\nended' || true
  expect_file class-limits "$orchard_cfg" "${orchard_saved[@]}"
fi

touch "$game/ripent-slow"
drive class-limits-again <<SCRIPT || true
$(open_dod_map_cycle)
pick lstMapList dod_orchard
click chkClassLimit
expect cmbClassAllies text garand
click cmdClassLimitOK
expect frmClassLimit visible no
pick lstMapList dod_ridge
click chkClassLimit
expect lblClassAllies text British
expect cmbClassAllies items light assault sniper mg
expect cmbClassAllies text light
expect lblClassAxis text German
click chkClassLimit
expect frmClassLimit visible no
close
ended
SCRIPT
rm -f "$game/ripent-slow"
expect_file class-limits-again "$orchard_cfg" "${orchard_saved[@]}"
[ -f "$game/dod/maps/dod_ridge.ent" ] || fail class-limits-again "dod_ridge.ent was not exported"

# A tool that writes no export: the question, and Yes goes on with the U.S. table. Then no
# tool and no export: the fatal message, and zarn ends.
touch "$game/ripent-writes-nothing"
drive class-limits-no-export <<SCRIPT || true
$(open_dod_map_cycle)
pick lstMapList dod_harbour
click chkClassLimit
answer "ZARN Alert!" Yes "Encountered a problem with determining country for Allies.{enter}Would you like to ignore this and proceed?"
expect lblClassAllies text U.S.
expect frmClassLimit visible yes
close
ended
SCRIPT
rm -f "$game/ripent-writes-nothing"
mv "$game/ripent.exe" "$game/ripent.away"
drive class-limits-no-tool <<SCRIPT || true
$(open_dod_map_cycle)
pick lstMapList dod_harbour
click chkClassLimit
answer "ZARN Alert!" Ok "FATAL ERROR: Require that RIPENT.EXE exist in C:\Sierra\Half-Life\{enter}RIPENT is required to check map entities in order to determine if the Allies team is British.{enter}Please follow the installation instructions for this program."
ended
SCRIPT
mv "$game/ripent.away" "$game/ripent.exe"

# A map's file that another program holds open, sharing it with no one: the editor says so
# as it opens, and its Save, refused, says so again and writes nothing.
unreadable="Cannot read C:\Sierra\Half-Life\dod\dod_orchard.cfg: Sharing violation.{enter}Save will not replace it, so that its other lines are not lost."
drive class-limits-held <<SCRIPT || true
$(open_dod_map_cycle)
hold "C:\Sierra\Half-Life\dod\dod_orchard.cfg"
pick lstMapList dod_orchard
click chkClassLimit
answer "ZARN Alert!" Ok "$unreadable"
expect frmClassLimit visible yes
pick cmbLimitAllies 7
click cmdClassLimitOK
answer "ZARN Alert!" Ok "$unreadable"
expect frmClassLimit visible yes
close
ended
SCRIPT
expect_file class-limits-held "$orchard_cfg" "${orchard_saved[@]}"

# A map's file stored under a name that differs in the case of a letter beyond ASCII is
# that map's file: its lines are read, and Save keeps them under the stored name.
dod_map "$game/dod" dod_Ärger 0
aerger_cfg="$game/dod/dod_ärger.cfg"
write_lines "$aerger_cfg" '// our own settings' 'sv_gravity 700' 'mp_limitaxismg42 2'
if drive class-limits-case <<SCRIPT
$(open_dod_map_cycle)
pick lstMapList dod_Ärger
click chkClassLimit
expect frmInfo text dod_Ärger.cfg
pick cmbClassAxis mg42
expect cmbLimitAxis text 2
click cmdClassLimitOK
expect frmClassLimit visible no
close
ended
SCRIPT
then
  expect_file class-limits-case "$aerger_cfg" '// our own settings' 'sv_gravity 700' '' \
    'mp_limitalliesgarand -1' 'mp_limitalliescarbine -1' 'mp_limitalliesbar -1' 'mp_limitalliesgreasegun -1' \
    'mp_limitalliesthompson -1' 'mp_limitalliesspring -1' 'mp_limitallies30cal -1' \
    'mp_limitaxiskar -1' 'mp_limitaxiskar43 -1' 'mp_limitaxisfg42 -1' 'mp_limitaxisfg42s -1' 'mp_limitaxismp40 -1' \
    'mp_limitaxismp44 -1' 'mp_limitaxisscopedkar -1' 'mp_limitaxismg34 -1' 'mp_limitaxismg42 2' ''
  [ ! -e "$game/dod/dod_Ärger.cfg" ] || fail class-limits-case "Save wrote dod_Ärger.cfg beside dod_ärger.cfg"
fi
rm -f "$game"/dod/maps/dod_Ärger.* "$aerger_cfg"
