#include "support/game_folder.h"

#include <algorithm>

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

void addDodMaps(FakePlatform& system, const std::string& gameDir) {
  system.writeFile(gameDir + "ripent.exe", "stand-in");
  writeDodMap(system, gameDir, "dod_ridge", "1");
  writeDodMap(system, gameDir, "dod_harbour", "0");
  writeDodMap(system, gameDir, "dod_orchard", "");
}

void writeDodMap(FakePlatform& system, const std::string& gameDir, const std::string& map, const std::string& country) {
  system.writeFile(gameDir + "dod\\maps\\" + map + ".bsp", bspWithEntities(sampleEntities(country)));
}

Zarn& ZarnTest::start() {
  zarn = std::make_unique<Zarn>(system);
  zarn->Form_Load();
  return *zarn;
}

void ZarnTest::chooseMod(const std::string& folder) {
  const auto& items = zarn->cmbModList.items();
  const auto found = std::find(items.begin(), items.end(), folder);
  ASSERT_NE(found, items.end()) << folder << " is not in the mod list";
  zarn->cmbModList.operatorPick(static_cast<int>(found - items.begin()));
}

void expectOneAlertNaming(const FakePlatform& system, const std::string& file) {
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].title, "ZARN Alert!");
  EXPECT_EQ(system.messages[0].style, platform::MessageStyle::Exclamation);
  EXPECT_NE(system.messages[0].text.find(file), std::string::npos) << system.messages[0].text;
}

void expectReadOnlyPreview(const Zarn& z) {
  EXPECT_TRUE(z.txtFileContents.locked());
  EXPECT_FALSE(z.cmdEditFile.enabled());
  EXPECT_FALSE(z.cmdSaveFile.enabled());
}
