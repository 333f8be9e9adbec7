# An entity export cut off by the wait's bound: the ripent.exe stand-in stalls just before
# dod_ridge's Allies country (which says British) until its marker goes. Choosing the map
# waits its bound and asks; chosen again while the tool still runs, it waits for that run and
# asks again, and never reads the cut-off export, which would give U.S. and German. Once
# the tool has ended, the export says British. While zarn waits, its window shows what the
# choice has found so far ("Waypoint file exists." in blue), not the red warning of the map
# before.
ridge_export="$game/dod/maps/dod_ridge.ent"
question="Encountered a problem with determining country for Allies.{enter}Would you like to ignore this and proceed?"
touch "$game/ripent-stalls"
if drive cut-off-export <<SCRIPT
$(open_per_map_panel)
pick cmbSturmbotMapList dod_orchard
expect lblSturmbotMapStatus text "WARNING: No waypoint file exist."
geometry
geometry lblSturmbotMapStatus
SCRIPT
then
  window_place=$(tail -n 2 "$scripts/cut-off-export.txt" | head -n 1)
  status_place=$(tail -n 1 "$scripts/cut-off-export.txt")
  drive cut-off-export-again <<SCRIPT &
attach
pick cmbSturmbotMapList dod_ridge
answer "ZARN Alert!" Yes "$question"
expect optSturmbotAllies1 text Allies
expect optSturmbotAxis1 text Axis
expect optSturmbotAllies2 visible no
pick cmbSturmbotMapList dod_ridge
answer "ZARN Alert!" Yes "$question"
expect optSturmbotAllies1 text Allies
expect optSturmbotAxis1 text Axis
SCRIPT
  driver=$!
  # The first answer cannot come before the bound of 15 s: what shows until then was painted
  # before the wait began.
  shown=no
  for look in $(seq 12); do
    sleep 1
    has_ink "$status_place" '#1111FF' "$scripts/cut-off-export-waiting.png" && { shown=yes; break; }
  done
  [ $shown = no ] || screenshot cut-off-export "$window_place" "$artifacts/cut-off-export-waiting.png" || true
  [ $shown = yes ] || fail cut-off-export "while zarn waits, its status is not shown in blue"
  wait $driver || fail cut-off-export-again "see $scripts/cut-off-export-again.txt"
  grep -q '"detect_allies_country" "$' "$ridge_export" ||
    fail cut-off-export-again "dod_ridge.ent is not cut off at the country: $(tail -c 60 "$ridge_export")"

  rm -f "$game/ripent-stalls"
  for tick in $(seq 100); do grep -q '"detect_allies_country" "1"' "$ridge_export" && break; sleep 0.1; done
  drive cut-off-export-ended <<SCRIPT || true
attach
pick cmbSturmbotMapList dod_orchard
pick cmbSturmbotMapList dod_ridge
expect optSturmbotAllies2 text British
expect optSturmbotAllies2 visible yes
expect optSturmbotAxis1 text German
close
ended
SCRIPT
fi
rm -f "$game/ripent-stalls" "$game"/dod/maps/*.ent
