#include "app/colours.h"
#include "support/game_folder.h"

namespace {

// Nothing of the searches goes through the command interpreter or the temp folder.
void expectNoBatchRun(const FakePlatform& system) {
  EXPECT_TRUE(system.startedCommands.empty());
  EXPECT_FALSE(system.exists("C:\\TEMP\\zarn.bat"));
  EXPECT_FALSE(system.exists("C:\\TEMP\\zarn.log"));
  EXPECT_EQ(system.waits(), 0);
}

TEST_F(ZarnTest, TheModsAreTheListedFoldersHoldingLiblistInTheFileSystemsOrder) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}, {"a,b", "Comma", {}}, {"a_b", "", {}}, {"aZ", "", {}},
                           {"Spaß", "Umlaut", {}}, {".hidden", "Hidden", {}}});
  system.hide(kGameDir + ".hidden");  // `dir /ad` lists hidden folders too
  system.makeFolder(kGameDir + "logs");
  system.writeFile(kGameDir + "cstrike\\LIBLIST.GAM", "game \"x\"\r\n");
  system.writeFile(kGameDir + "notes\\readme.txt", "");
  system.writeFile(kGameDir + "liblist.gam", "a file, not a folder");

  Zarn& z = start();
  // Upper-cased, as NTFS orders them: "aZ" before "a_b"; the search sorts nothing itself.
  EXPECT_EQ(z.cmbModList.items(), (std::vector<std::string>{".hidden", "a,b", "aZ", "a_b", "Spaß", "valve"}));
  EXPECT_EQ(system.listings, 1);
  expectNoBatchRun(system);
  EXPECT_FALSE(system.busy);
  EXPECT_EQ(z.frmInfo.caption(), "mod search...");

  chooseMod("a,b");
  EXPECT_EQ(z.lblModSupport.caption(), "Comma");
  chooseMod("Spaß");
  EXPECT_EQ(z.lblModSupport.caption(), "Umlaut");
}

TEST_F(ZarnTest, TheMapsAreTheListedBspFilesInTheListingsOrder) {
  buildGameFolder(system, {{"valve", "Half-Life", {"b", "a", "straße", "hidden"}}});
  const std::string maps = kGameDir + "valve\\maps\\";
  for (const char* other : {"Upper.BSP", "x.bspx", "notes.txt", ".bsp"}) system.writeFile(maps + other, "");
  system.hide(maps + "hidden.bsp");
  const platform::FolderListing listed = system.listFolder(maps + "*.bsp", platform::Entries::Shown);
  ASSERT_NE(std::find(listed.names.begin(), listed.names.end(), "x.bspx"), listed.names.end())
      << "the pattern's match on short names lets it through";
  system.writeFile(kGameDir + "nomaps\\liblist.gam", "game \"No maps\"\r\n");

  Zarn& z = start();
  chooseMod("valve");
  const std::vector<std::string> expected{"a", "b", "straße", "Upper"};
  EXPECT_EQ(z.cmbMapList1.items(), expected);
  EXPECT_EQ(z.lstMapList.items(), expected);
  EXPECT_EQ(z.frmInfo.caption(), "map search...");
  expectNoBatchRun(system);

  chooseMod("nomaps");
  EXPECT_TRUE(z.lstMapList.items().empty());
  EXPECT_EQ(z.lblStatus.caption(), "Please select Command Line") << "a mod without a maps folder has no maps";
}

TEST_F(ZarnTest, AGameFolderThatCannotBeListedIsReportedOnceAndTriedAgainOnTheNextChange) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.unlistableFolder = kGameDir;
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Error: the game folder cannot be listed: Access is denied.");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_TRUE(z.cmbModList.items().empty());
  EXPECT_FALSE(system.busy);
  EXPECT_EQ(system.listings, 1) << "the start-up's second check does not search again";

  // The operator mends the folder and types the path again.
  system.unlistableFolder = "";
  z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.ex");
  z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.exe");
  EXPECT_EQ(system.listings, 2);
  EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"valve"});
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");

  // Once it succeeded, the folder is not searched again.
  z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.ex");
  z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.exe");
  EXPECT_EQ(system.listings, 2);
}

TEST_F(ZarnTest, WaitingLeavesNoScratchFolderAndSurvivesALeftOverOne) {
  buildGameFolder(system, {});
  Zarn& z = start();
  system.makeFolder("C:\\TEMP\\zarntmp");
  z.WaitABit();
  EXPECT_FALSE(system.exists("C:\\TEMP\\zarntmp"));
  system.tempDir = "Q:\\nowhere\\";  // cannot be created at all: the wait still returns
  Zarn other(system);
  other.Form_Load();
  other.WaitABit();
}

TEST_F(ZarnTest, AboutShowsTheVersionAndExitAsksFirst) {
  buildGameFolder(system, {});
  Zarn& z = start();
  z.mnuAbout.operatorClick();
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "Brenvik v1.0");
  EXPECT_EQ(system.messages[0].title, "ZARN information");
  EXPECT_EQ(system.messages[0].style, platform::MessageStyle::Information);

  const std::string status = z.lblStatus.caption();
  system.answers = {platform::Answer::No};
  z.mnuExit.operatorClick();
  EXPECT_EQ(system.messages.back().text, "Are you sure you want to exit?");
  EXPECT_EQ(system.messages.back().title, "ZARN Alert!");
  EXPECT_EQ(system.messages.back().buttons, platform::MessageButtons::YesNo);
  EXPECT_EQ(z.lblStatus.caption(), status);

  system.answers = {platform::Answer::Yes};
  EXPECT_THROW(z.mnuExit.operatorClick(), ProgramEnded);
}

}  // namespace
