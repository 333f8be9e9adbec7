#include "support/game_folder.h"

#include <map>

#include "support/bsp_file.h"

void buildGameFolder(FakePlatform& system, const std::vector<SampleMod>& mods, const std::string& gameDir) {
  system.writeFile(gameDir + "hl.exe", "stand-in");
  system.writeFile(gameDir + "hlds.exe", "stand-in");
  for (const SampleMod& mod : mods) {
    const std::string folder = gameDir + mod.folder;
    system.makeFolder(folder + "\\maps");
    system.writeFile(folder + "\\liblist.gam",
                     mod.title.empty() ? "// no title\r\n" : "game \"" + mod.title + "\"\r\ngamedll \"dlls\\mp.dll\"\r\n");
    for (const std::string& map : mod.maps) system.writeFile(folder + "\\maps\\" + map + ".bsp", "map");
  }
}

void installBot(FakePlatform& system, const std::string& mod, const std::string& sturmbotVersion) {
  static const std::map<std::string, std::string> kLibraries = {{"dod", "\\sturmbot\\dlls\\STURM_bot.dll"},
                                                                {"firearms", "\\marine_bot\\marine_bot.dll"},
                                                                {"wie", "\\dlls\\shrikebot.dll"}};
  system.writeFile(kGameDir + mod + kLibraries.at(mod), "stand-in");
  if (mod == "dod" && !sturmbotVersion.empty())
    system.writeFile(kSturmbotDir + "History.txt", "Sturmbot\r\n--\r\n" + sturmbotVersion + "\r\n");
}

void writeDodMap(FakePlatform& system, const std::string& map, const std::string& country, const std::string& gameDir) {
  system.writeFile(gameDir + "ripent.exe", "stand-in");
  system.writeFile(gameDir + "dod\\maps\\" + map + ".bsp", bspWithEntities(sampleEntities(country)));
}

void expectOneAlertNaming(const FakePlatform& system, const std::string& file) {
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].title, "ZARN Alert!");
  EXPECT_EQ(system.messages[0].style, platform::MessageStyle::Exclamation);
  EXPECT_NE(system.messages[0].text.find(file), std::string::npos) << system.messages[0].text;
}

Zarn& ZarnTest::start() {
  zarn = std::make_unique<Zarn>(system);
  zarn->Form_Load();
  return *zarn;
}

void ZarnTest::saveThrough(Step last, const std::string& mod, const std::vector<std::string>& maps) {
  Zarn& z = *zarn;
  chooseMod(mod);
  z.optCommandLine.operatorPress();
  pick(z.cmbMapList1, maps.front());
  z.cmdCommandOK.operatorClick();
  ASSERT_EQ(z.blnCommandSaved, 1);
  if (last >= kServerFile) {
    z.optServerFile.operatorPress();
    z.cmdServerOK.operatorClick();
  }
  if (last >= kMapCycle) {
    z.optMapFile.operatorPress();
    addMaps(maps);
    z.cmdMapOK.operatorClick();
  }
  if (last >= kMotd) {
    z.optMotd.operatorPress();
    z.cmdSaveFile.operatorClick();
  }
}

void ZarnTest::addMaps(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    pick(zarn->lstMapList, name);
    zarn->cmdAddMap.operatorClick();
  }
}

void ZarnTest::reopen(forms::OptionButton& page) {
  zarn->optCommandLine.operatorPress();
  page.operatorPress();
}
