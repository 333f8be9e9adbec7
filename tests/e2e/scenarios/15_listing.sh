# The mods and maps that zarn lists are those that the command interpreter's `dir` lists, in
# its order: with /ad hidden folders too, without it no hidden file; a folder name with a
# comma whole; names beyond ASCII as they are on disk; and x.bspx, which *.bsp lets through
# by its short name, left out by the .bsp filter. (Wine's dir sorts names as text, Windows'
# keeps the file system's order: these names come in the same order either way.)
listing_game="$WINEPREFIX/drive_c/Listing"
mkdir -p "$listing_game"
cp "$helpers/hl.exe" "$listing_game/"
add_mod "$listing_game" .hidden "Hidden Folder" hidden_map
add_mod "$listing_game" "a,b" "Comma Folder" comma_map
add_mod "$listing_game" "Spaß" "Umlaut Folder" spass_map
add_mod "$listing_game" Zeta "Zeta Mod" canal straße
mkdir -p "$listing_game/logs"
for file in Upper.BSP x.bspx .secret.bsp notes.txt; do printf 'sample\n' >"$listing_game/Zeta/maps/$file"; done
cp "$ini" "$scripts/zarn.ini.kept"
write_lines "$ini" 'path C:\Listing\' 'options -heapsize 64000'

dir_names 'C:\Listing\Zeta\maps\*.bsp' /b | grep -qx 'x.bspx' || fail listing "dir does not list x.bspx"
if drive listing <<SCRIPT
launch "$zarn_exe"
expect cmbModList items $(listed_mods "$listing_game" 'C:\Listing\')
pick cmbModList "Spaß"
expect lblModSupport text "Umlaut Folder"
pick cmbModList Zeta
click optCommandLine
expect cmbMapList1 items $(listed_maps 'C:\Listing\Zeta\maps')
pick cmbMapList1 straße
expect txtFileContents text "C:\Listing\hl.exe -game Zeta -console -noipx +port 27015 +maxplayers 8 +map straße +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt -heapsize 64000"
geometry
SCRIPT
then
  screenshot listing "$(tail -n 1 "$scripts/listing.txt")" "$artifacts/listing.png" || true
  drive close-listing <<<$'attach\nclose\nended' || true
fi
cp "$scripts/zarn.ini.kept" "$ini"
