#include "support/fuzz_window.h"

#include <cstdio>
#include <cstdlib>

FuzzWindow::FuzzWindow() {
  system.put(kGameDir + "hl.exe", "");
  system.put(kGameDir + "dod\\liblist.gam", "game \"Sample Day\"\r\n");
  system.put(kGameDir + "dod\\sturmbot\\dlls\\STURM_bot.dll", "");
  system.put(kGameDir + "dod\\sturmbot\\History.txt", "Sturmbot\r\n\r\n3.0\r\n");
  system.put(kGameDir + "valve\\liblist.gam", "game \"Sample\"\r\n");
  for (const char* mod : {"dod", "valve"}) system.put(kGameDir + mod + "\\maps\\" + kMap + ".bsp", "");
  system.put(kGameDir + "dod\\maps\\" + kMap + ".ent", "\"detect_allies_country\" \"0\"\r\n");
  // Both searches get this listing: the mod search takes the two mods from it, the map
  // search the map.
  system.listing = {"dod", "valve", kMap + ".bsp"};
  zarn.Form_Load();
}

FuzzWindow& FuzzWindow::instance() {
  static FuzzWindow window;
  return window;
}

void FuzzWindow::chooseMod(std::string_view mod) {
  for (int index = 0; index < zarn.cmbModList.listCount(); ++index) {
    if (zarn.cmbModList.list(index) == mod) {
      zarn.cmbModList.operatorPick(index);
      return;
    }
  }
  require(false, "the mod is listed");
}

void FuzzWindow::keepModChosen(std::string_view mod) {
  if (zarn.cmbModList.text() != mod) chooseMod(mod);
}

void require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "Property broken: %s\n", property);
  std::abort();
}
