// The road through the pages, step by step, for the tests of the later pages.
#pragma once

#include <string>
#include <vector>

#include "support/game_folder.h"

class PageRoadTest : public ZarnTest {
 protected:
  // The window opened on a game folder holding `mods`.
  Zarn& startWith(const std::vector<SampleMod>& mods);
  // `mod` chosen, `firstMap` picked and the Command Line page saved: the Server
  // Configuration page is offered.
  void saveCommandLine(const std::string& mod, const std::string& firstMap);
  void saveServerPage();  // opened and saved as it stands
  void addMaps(const std::vector<std::string>& names);  // each picked in the map list and added
  void saveMapCycle(const std::vector<std::string>& names);  // opened, `names` added, saved
  void saveWelcomeMessage();  // opened and saved as proposed
  // Opens a page whose button is still the selected one: a selected option button runs no
  // Click when pressed again, so the operator presses another page's button first.
  void reopen(forms::OptionButton& page);
  int mapIndex(const std::string& name) const;  // in lstMapList
};
