// Sample game folders built in the fake's drive, and the window started on them and driven
// through the operator's face.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/zarn.h"
#include "support/fake_platform.h"

inline const std::string kGameDir = "C:\\Sierra\\Half-Life\\";
inline const std::string kSturmbotDir = kGameDir + "dod\\sturmbot\\";

// Sturmbot 1.5's bot.cfg with the page's start values, as the page shows it.
inline const std::string kSturmbot15Text =
    "# Sturmbot settings\r\nmin_reaction  30\r\nmax_reaction  50\r\nfriendlyfiremode off\r\nrank on\r\n"
    "formsquad off\r\nknifeonly off\r\npistolonly off\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off\r\n"
    "bind F3 sturmbotmenu\r\nmaxteamkills 3\r\nmaxbodies 12\r\n\r\nfillserver";

struct SampleMod {
  std::string folder;
  std::string title;              // written as `game "<title>"`; none when empty
  std::vector<std::string> maps;  // each becomes maps\<name>.bsp
};

// The executables and the mods, with a liblist.gam each, in `gameDir`.
void buildGameFolder(FakePlatform& system, const std::vector<SampleMod>& mods, const std::string& gameDir = kGameDir);
// The bot of `mod` (dod, firearms or wie) installed; Sturmbot's history names
// `sturmbotVersion` on its third line (no history when empty).
void installBot(FakePlatform& system, const std::string& mod, const std::string& sturmbotVersion = "1.5");
// ripent.exe, and a map of dod whose entities tell the Allies' `country` ("1" for British,
// nothing when empty).
void writeDodMap(FakePlatform& system, const std::string& map, const std::string& country,
                 const std::string& gameDir = kGameDir);

// The program showed exactly one message: a "ZARN Alert!" that names `file`.
void expectOneAlertNaming(const FakePlatform& system, const std::string& file);

// Picks the item of that text from a combo or list box, as the operator does.
template <typename List>
void pick(List& list, const std::string& item) {
  const auto found = std::find(list.items().begin(), list.items().end(), item);
  ASSERT_NE(found, list.items().end()) << item << " is not in " << list.name();
  list.operatorPick(static_cast<int>(found - list.items().begin()));
}

class ZarnTest : public testing::Test {
 protected:
  FakePlatform system;
  std::unique_ptr<Zarn> zarn;

  Zarn& start();  // opens the window as the program does at start-up
  Zarn& startWith(const std::vector<SampleMod>& mods) {
    buildGameFolder(system, mods);
    return start();
  }
  void chooseMod(const std::string& folder) { pick(zarn->cmbModList, folder); }
  // The steps of the road, each saved as its page stands for the mod chosen: the Command
  // Line with the first of `maps` for the first map, the Map Cycle with all of them.
  enum Step { kCommandLine, kServerFile, kMapCycle, kMotd };
  void saveThrough(Step last, const std::string& mod, const std::vector<std::string>& maps);
  void addMaps(const std::vector<std::string>& names);  // each picked in the map list and added
  // Opens a page whose button is still the selected one: a selected option button runs no
  // Click when pressed again, so the operator presses another page's button first.
  void reopen(forms::OptionButton& page);
};
