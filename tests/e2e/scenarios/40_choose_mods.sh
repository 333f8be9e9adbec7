# Choosing a mod: its title from liblist.gam, the Command Line page offered, the Bot Setup
# page offered exactly for the mods whose bot is installed, Sturmbot set up by its version,
# the splash picture shown for the mod that has one. Each choice undoes the one before.
drive choose-mods <<SCRIPT || true
launch "$zarn_exe"
pick cmbModList valve
expect lblModSupport text Half-Life
expect optCommandLine enabled yes
expect lblStatus text "Please select Command Line"
expect optBotFile visible no
expect picSplash visible yes
pick cmbModList dod
expect lblModSupport text "Day of Defeat"
expect optBotFile visible yes
expect picSplash visible no
# Sturmbot 3.0 has weapon classes, with the slower reaction times, clamped and written
# back with a blank before them.
expect frmSturmbotSetup text "Sturmbot 3.0 Setup"
expect txtSturmbotMinReaction text " 300"
expect txtSturmbotMaxReaction text " 500"
pick cmbModList firearms
expect lblModSupport text Firearms
expect optBotFile visible yes
pick cmbModList wie
expect lblModSupport text "World in Embers"
expect optBotFile visible yes
pick cmbModList "Blank Mod"
expect lblModSupport text "A Mod With Blanks"
expect optBotFile visible no
expect optCommandLine enabled yes
close
ended
SCRIPT
