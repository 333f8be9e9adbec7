# A game folder of our own for zarn to work on: the stand-ins for hl.exe, hlds.exe and
# ripent.exe and a few mods made of nothing but small files written here. Sourced.

# Writes the lines given, each ended by CR LF, to the file $1.
write_lines() {
  local file=$1; shift
  mkdir -p "$(dirname "$file")"
  printf '%s\r\n' "$@" >"$file"
}

# add_mod <game folder> <mod folder> <title> <map>...
add_mod() {
  local mod="$1/$2" title=$3 map; shift 3
  write_lines "$mod/liblist.gam" "// sample mod for zarn" "game \"$title\"" 'gamedll "dlls\mod.dll"'
  mkdir -p "$mod/maps"
  for map in "$@"; do printf 'sample map %s\n' "$map" >"$mod/maps/$map.bsp"; done
}

# le32 <number>: the number as four little-endian bytes, written as printf escapes.
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# write_bsp <file> <entity line>...: a map file of our own minimal kind, as the ripent.exe
# stand-in reads it: version 30, 15 lumps of offset and length, and lump 0 holding the
# lines, each ended by LF.
write_bsp() {
  local file=$1 entities header size lump; shift
  entities=$(printf '%s\n' "$@"; printf x)
  entities=${entities%x}
  size=$(printf '%s' "$entities" | wc -c)
  header=$(le32 30)$(le32 124)$(le32 "$size")
  for lump in $(seq 14); do header+=$(le32 $((124 + size)))$(le32 0); done
  { printf '%b' "$header"; printf '%s' "$entities"; } >"$file"
}

# dod_map <mod folder> <map> [<detect_allies_country value>]: a map whose entities tell the
# Allies' country in their last lines, or not at all.
dod_map() {
  local world=('{' '"classname" "worldspawn"' '"message" "Sample map"' '"wad" "sample.wad"' '"mapversion" "220"' '}')
  if [ $# -eq 3 ]; then
    write_bsp "$1/maps/$2.bsp" "${world[@]}" '{' '"classname" "info_doddetect"' "\"detect_allies_country\" \"$3\"" '}'
  else
    write_bsp "$1/maps/$2.bsp" "${world[@]}"
  fi
}

# make_sample_game <game folder> <folder holding the stand-ins hl.exe, hlds.exe, ripent.exe>
make_sample_game() {
  local game=$1 standins=$2
  mkdir -p "$game"
  cp "$standins/hl.exe" "$standins/hlds.exe" "$standins/ripent.exe" "$game/"
  add_mod "$game" valve "Half-Life" canal depot quarry
  add_mod "$game" dod "Day of Defeat" dod_harbour dod_orchard dod_ridge
  # The Allies of dod_ridge are British, those of dod_harbour U.S.; dod_orchard does not say.
  dod_map "$game/dod" dod_ridge 1
  dod_map "$game/dod" dod_harbour 0
  dod_map "$game/dod" dod_orchard
  add_mod "$game" firearms "Firearms" fa_crossing fa_depot
  add_mod "$game" wie "World in Embers" wie_bridge
  add_mod "$game" "Blank Mod" "A Mod With Blanks" arena
  # The bots zarn looks for: their libraries are stand-ins, only their presence counts.
  write_lines "$game/dod/sturmbot/dlls/STURM_bot.dll" 'sample bot library'
  write_lines "$game/dod/sturmbot/History.txt" 'Sturmbot release history' '' '3.0' 'sample notes'
  # Sturmbot's waypoints for two of the three maps: dod_orchard has none.
  write_lines "$game/dod/sturmbot/waypoints/dod_ridge.wpt" 'sample waypoints'
  write_lines "$game/dod/sturmbot/waypoints/dod_harbour.wpt" 'sample waypoints'
  write_lines "$game/firearms/marine_bot/marine_bot.dll" 'sample bot library'
  write_lines "$game/wie/dlls/shrikebot.dll" 'sample bot library'
  mkdir -p "$game/valve/gfx/shell"
  convert -size 640x480 gradient:'#1c2c5c-#000000' -fill none -stroke '#c8a040' -strokewidth 6 \
    -draw 'rectangle 40,40 600,440' -type TrueColor BMP3:"$game/valve/gfx/shell/splash.bmp"
  # Not mods: a folder without liblist.gam, and one whose file is named in capitals.
  mkdir -p "$game/logs"
  write_lines "$game/oldmod/LIBLIST.GAM" 'game "Not Listed"'
}
