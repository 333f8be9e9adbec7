// Sample game folders built in the fake's drive, and a window started on them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/zarn.h"
#include "support/fake_platform.h"

inline const std::string kGameDir = "C:\\Sierra\\Half-Life\\";

struct SampleMod {
  std::string folder;
  std::string title;              // written as `game "<title>"`; none when empty
  std::vector<std::string> maps;  // each becomes maps\<name>.bsp
};

// The executables and the mods, with a liblist.gam each, in `gameDir`.
void buildGameFolder(FakePlatform& system, const std::vector<SampleMod>& mods, const std::string& gameDir = kGameDir);

// ripent.exe in `gameDir` and maps of its dod folder whose entities tell the Allies'
// country: dod_ridge British, dod_harbour U.S., dod_orchard nothing.
void addDodMaps(FakePlatform& system, const std::string& gameDir = kGameDir);
// A map of the dod folder whose entities tell `country` ("1" for British), none when empty.
void writeDodMap(FakePlatform& system, const std::string& gameDir, const std::string& map, const std::string& country);

// The program showed exactly one message: a "ZARN Alert!" that names `file`.
void expectOneAlertNaming(const FakePlatform& system, const std::string& file);

// The preview shows its text read-only, with Edit and Save off, as every view but the
// Welcome Message's leaves it.
void expectReadOnlyPreview(const Zarn& z);

class ZarnTest : public testing::Test {
 protected:
  FakePlatform system;
  std::unique_ptr<Zarn> zarn;

  // Opens the window as the program does at start-up.
  Zarn& start();
  // Picks a mod from the mod list as the operator does.
  void chooseMod(const std::string& folder);
};
