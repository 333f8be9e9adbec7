#include "support/bot_road.h"

#include <algorithm>
#include <map>

#include "support/bsp_file.h"

Zarn& BotRoadTest::reachBotSetup(const std::string& mod, const std::string& sturmbotVersion,
                                 const std::vector<std::string>& maps) {
  static const std::map<std::string, std::string> kLibraries = {{"dod", "\\sturmbot\\dlls\\STURM_bot.dll"},
                                                                {"firearms", "\\marine_bot\\marine_bot.dll"},
                                                                {"wie", "\\dlls\\shrikebot.dll"}};
  const std::string modDir = kGameDir + mod;
  system.writeFile(modDir + kLibraries.at(mod), "stand-in");
  if (mod == "dod" && !sturmbotVersion.empty())
    system.writeFile(modDir + "\\sturmbot\\History.txt", "Sturmbot\r\n--\r\n" + sturmbotVersion + "\r\n");
  Zarn& z = startWith({{mod, "Sample", maps}});
  saveCommandLine(mod, maps.front());
  saveServerPage();
  saveMapCycle(maps);
  saveWelcomeMessage();
  EXPECT_TRUE(z.optBotFile.enabled());
  return z;
}

Zarn& BotRoadTest::openPerMapPanel(const std::string& sturmbotVersion) {
  const std::vector<std::pair<std::string, std::string>> countries = {
      {"dod_ridge", "1"}, {"dod_harbour", "0"}, {"dod_orchard", ""}, {"dod_flak", "0"}, {"dod_Case", "0"}};
  std::vector<std::string> maps;
  for (const auto& [map, country] : countries) maps.push_back(map);
  Zarn& z = reachBotSetup("dod", sturmbotVersion, maps);
  system.writeFile(kGameDir + "ripent.exe", "stand-in");
  for (const auto& [map, country] : countries)
    system.writeFile(kGameDir + "dod\\maps\\" + map + ".bsp", bspWithEntities(sampleEntities(country)));
  for (const char* waypoints : {"dod_ridge", "dod_harbour", "dod_orchard", "dod_case"})
    system.writeFile(kSturmbotDir + "waypoints\\" + waypoints + ".wpt", "stand-in");
  z.optBotFile.operatorPress();
  z.chkSturmbotFillserver.operatorClick();
  EXPECT_TRUE(z.frmSturmbotCustom.operable());
  return z;
}

void BotRoadTest::chooseBotMap(const std::string& map) {
  const auto& items = zarn->cmbSturmbotMapList.items();
  const auto found = std::find(items.begin(), items.end(), map);
  ASSERT_NE(found, items.end()) << map << " is not in the per-map list";
  zarn->cmbSturmbotMapList.operatorPick(static_cast<int>(found - items.begin()));
}

std::string BotRoadTest::replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from << " is not in " << text;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}
