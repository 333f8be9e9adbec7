#include "support/page_road.h"

#include <algorithm>

Zarn& PageRoadTest::startWith(const std::vector<SampleMod>& mods) {
  buildGameFolder(system, mods);
  return start();
}

void PageRoadTest::saveCommandLine(const std::string& mod, const std::string& firstMap) {
  Zarn& z = *zarn;
  chooseMod(mod);
  const auto& maps = z.cmbMapList1.items();
  const auto found = std::find(maps.begin(), maps.end(), firstMap);
  ASSERT_NE(found, maps.end()) << firstMap << " is not in the first-map list";
  z.optCommandLine.operatorPress();
  z.cmbMapList1.operatorPick(static_cast<int>(found - maps.begin()));
  z.cmdCommandOK.operatorClick();
  ASSERT_EQ(z.blnCommandSaved, 1);
}

void PageRoadTest::saveServerPage() {
  zarn->optServerFile.operatorPress();
  zarn->cmdServerOK.operatorClick();
}

void PageRoadTest::addMaps(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    zarn->lstMapList.operatorPick(mapIndex(name));
    zarn->cmdAddMap.operatorClick();
  }
}

void PageRoadTest::saveMapCycle(const std::vector<std::string>& names) {
  zarn->optMapFile.operatorPress();
  addMaps(names);
  zarn->cmdMapOK.operatorClick();
}

void PageRoadTest::saveWelcomeMessage() {
  zarn->optMotd.operatorPress();
  zarn->cmdSaveFile.operatorClick();
}

void PageRoadTest::reopen(forms::OptionButton& page) {
  zarn->optCommandLine.operatorPress();
  page.operatorPress();
}

int PageRoadTest::mapIndex(const std::string& name) const {
  const auto& maps = zarn->lstMapList.items();
  const auto found = std::find(maps.begin(), maps.end(), name);
  EXPECT_NE(found, maps.end()) << name << " is not in the map list";
  return found == maps.end() ? -1 : static_cast<int>(found - maps.begin());
}
