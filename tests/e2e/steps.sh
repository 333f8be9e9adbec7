# Steps and checks that several scenarios share. Sourced by run_e2e.sh; they use its
# `fail`, $scripts and the display.

# open_command_line <mod> <first map>: the driver's lines that choose the mod, open the
# Command Line page and pick the first map from its list.
open_command_line() {
  cat <<STEPS
pick cmbModList "$1"
click optCommandLine
expect frmCommandLine visible yes
pick cmbMapList1 "$2"
STEPS
}

# open_per_map_panel: the driver's lines that start zarn, save every page of dod up to the
# Bot Setup page (first map dod_ridge, a cycle of dod_harbour and dod_orchard), open that page
# and clear its fill-server box, which shows Sturmbot's per-map panel.
open_per_map_panel() {
  cat <<STEPS
launch "$zarn_exe"
$(open_command_line dod dod_ridge)
click cmdCommandOK
click optServerFile
click cmdServerOK
click optMapFile
dblclick lstMapList dod_harbour
dblclick lstMapList dod_orchard
click cmdMapOK
click optMotd
click cmdSaveFile
click optBotFile
expect frmSturmbotSetup text "Sturmbot 3.0 Setup"
click chkSturmbotFillserver
expect frmSturmbotCustom visible yes
STEPS
}

# save_bot_page_and_start <save button> <page frame>: the driver's lines that take up the
# running zarn on its Bot Setup page, save the page, start the server and close the window.
save_bot_page_and_start() {
  cat <<STEPS
attach
click $1
expect $2 visible no
expect cmdStart enabled yes
expect lblStatus text "You can now Start Server"
click cmdStart
expect lblStatus text "Server started. Have fun!"
close
ended
STEPS
}

# screenshot <scenario> <geometry> <png>: that region of the screen, as the driver's
# `geometry` printed it.
screenshot() {
  import -display "$DISPLAY" -window root -crop "$2" +repage "$3" && return 0
  fail "$1" "no screenshot $3"
  return 1
}

# has_ink <geometry> <#rrggbb> <png>: that region of the screen, saved as the png, holds
# pixels of that colour.
has_ink() {
  import -display "$DISPLAY" -window root -crop "$1" +repage "$3" &&
    convert "$3" -format %c histogram:info:- | grep -qi "$2"
}

# expect_ink <scenario> <control> <geometry> <#rrggbb>: the control, at the place the
# driver printed, shows pixels of that colour (its text is drawn in it).
expect_ink() {
  local shot="$scripts/$1-$2.png"
  has_ink "$3" "$4" "$shot" && return 0
  fail "$1" "$2 shows no pixel of colour $4 (see $shot)"
  return 1
}

# wait_for_file <scenario> <file> <seconds>: a program zarn started writes the file in its
# own time.
wait_for_file() {
  local scenario=$1 file=$2 limit=$3 waited=0
  until [ -s "$file" ]; do
    [ $waited -lt $((limit * 10)) ] || { fail "$scenario" "$file did not appear within $limit s"; return 1; }
    sleep 0.1; waited=$((waited + 1))
  done
}

# dir_names <Windows path> <switch>...: the bare names that the command interpreter's `dir`
# lists, one a line, in UTF-8 (it writes the ANSI code page).
dir_names() {
  timeout 60 wine cmd /c dir "$@" 2>/dev/null | tr -d '\r' | iconv -f CP1252 -t UTF-8
}

# listed_mods <game folder> <its Windows path>: the mods as zarn must list them, quoted for
# a driver line: the sub-folders that `dir /ad /b` lists, in its order, that hold a file
# named exactly liblist.gam.
listed_mods() {
  local folder
  while IFS= read -r folder; do
    [ ! -f "$1/$folder/liblist.gam" ] || printf ' "%s"' "$folder"
  done < <(dir_names "$2" /ad /b)
}

# listed_maps <Windows path of a maps folder>: the maps as zarn must list them, quoted for a
# driver line: what `dir <folder>\*.bsp /b` lists, in its order, that ends in .bsp in any
# letter case, without it.
listed_maps() {
  local file
  while IFS= read -r file; do
    [[ ${file,,} != ?*.bsp ]] || printf ' "%s"' "${file:0:${#file}-4}"
  done < <(dir_names "$1\\*.bsp" /b)
}
