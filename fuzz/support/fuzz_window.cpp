#include "support/fuzz_window.h"

#include <cstdio>
#include <cstdlib>

FuzzWindow::FuzzWindow() {
  system.writeTextFile(kGameDir + "hl.exe", "");
  system.writeTextFile(kGameDir + "dod\\liblist.gam", "game \"Sample Day\"\r\n");
  system.writeTextFile(kGameDir + "dod\\sturmbot\\dlls\\STURM_bot.dll", "");
  system.writeTextFile(kGameDir + "dod\\sturmbot\\History.txt", "Sturmbot\r\n\r\n3.0\r\n");
  system.writeTextFile(kGameDir + "valve\\liblist.gam", "game \"Sample\"\r\n");
  // Both searches read this listing: it names the two mods and no map.
  system.commandOutputPath = system.tempDirectory() + "zarn.log";
  system.commandOutput = "dod\r\nvalve\r\n";
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
