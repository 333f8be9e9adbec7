#include "app/colours.h"
#include "support/game_folder.h"

namespace {

const std::string kIni = "C:\\WINDOWS\\zarn.ini";

TEST_F(ZarnTest, StartUpWithoutTheExecutableReportsItTwiceAndKeepsTheSettings) {
  system.writeFile(kIni, "path C:\\Games\\HL\\\r\noptions -dev\r\n");
  Zarn& z = start();
  EXPECT_EQ(z.txtExec.text(), "C:\\Games\\HL\\hl.exe");
  EXPECT_EQ(z.lblStatus.caption(), "Error: Please fix Exec path!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_FALSE(z.cmbModList.enabled());
  EXPECT_EQ(system.beeps, 2);
  EXPECT_EQ(system.listings, 0);
  EXPECT_EQ(system.fileContent(kIni), "path C:\\Games\\HL\\\r\noptions -dev\r\n");

  // A path without a drive letter is not checked: the status line keeps what the start-up
  // views left, which tells the order in which they ran.
  system.writeFile(kIni, "path \\\\server\\hl\\\r\n");
  EXPECT_EQ(start().lblStatus.caption(), "Server Configuration ok?");
  EXPECT_EQ(system.fileContent(kIni), "path \\\\server\\hl\\\r\noptions -heapsize 64000\r\n") << "saved all the same";
  EXPECT_EQ(system.beeps, 2);
  system.writeFile(kIni, "path \\\\server\\hl\\\r\noptions -dev\r\n");
  EXPECT_EQ(start().lblStatus.caption(), "Please select First Map:");
  EXPECT_FALSE(zarn->frmCommandLine.visible());
}

TEST_F(ZarnTest, TypingThePathChecksEveryKeystrokeAndSearchesOnlyANewFolder) {
  buildGameFolder(system, {{"cstrike", "Counter", {}}}, "D:\\HL\\");
  buildGameFolder(system, {}, "E:\\");
  Zarn& z = startWith({{"valve", "Half-Life", {}}});
  const int beeps = system.beeps;
  const std::string other = "D:\\HL\\hl.exe";
  for (std::size_t n = 1; n <= other.size(); ++n) z.txtExec.operatorType(other.substr(0, n));
  // "D" is not checked; "D:" up to "D:\HL\hl.ex" are rejected with a beep each.
  EXPECT_EQ(system.beeps - beeps, static_cast<int>(other.size()) - 2);
  EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"cstrike"});
  EXPECT_EQ(system.listings, 2);
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");

  // A rejected keystroke and back to the folder searched last: no new search, error kept.
  z.txtExec.operatorType("D:\\HL\\hl.ex");
  EXPECT_FALSE(z.cmbModList.enabled());
  z.txtExec.operatorType(other);
  EXPECT_TRUE(z.cmbModList.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Error: Please fix Exec path!");
  EXPECT_EQ(system.listings, 2);
  EXPECT_EQ(system.fileContent(kIni), "path D:\\HL\\\r\noptions -heapsize 64000\r\n");

  z.txtExec.operatorType("E:\\hl.exe");
  EXPECT_EQ(z.lblStatus.caption(), "Error: No mods found!");
  EXPECT_TRUE(z.cmbModList.enabled());
}

// Start-up without settings searches the game folder once and asks for a mod. The searches
// list folders in-process: nothing goes through the interpreter or the temp folder, and the
// names come in the listing's order, upper-cased as NTFS orders them.
TEST_F(ZarnTest, StartUpListsTheFoldersHoldingLiblistAsModsAndAModsBspFilesAsMaps) {
  buildGameFolder(system, {{"valve", "Half-Life", {"b", "a", "straße", "hidden"}}, {"a,b", "Comma", {}},
                           {"a_b", "", {}}, {"aZ", "", {}}, {"Spaß", "Umlaut", {}}, {".hidden", "Hidden", {}}});
  system.hide(kGameDir + ".hidden");  // `dir /ad` lists hidden folders too
  system.writeFile(kGameDir + "cstrike\\LIBLIST.GAM", "game \"x\"\r\n");
  system.writeFile(kGameDir + "notes\\readme.txt", "");
  system.writeFile(kGameDir + "liblist.gam", "a file, not a folder");
  const std::string maps = kGameDir + "valve\\maps\\";
  for (const char* other : {"Upper.BSP", "x.bspx", "notes.txt", ".bsp"}) system.writeFile(maps + other, "");
  system.hide(maps + "hidden.bsp");

  Zarn& z = start();
  EXPECT_EQ(z.cmbModList.items(), (std::vector<std::string>{".hidden", "a,b", "aZ", "a_b", "Spaß", "valve"}));
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");
  EXPECT_EQ(system.fileContent("C:\\WINDOWS\\zarn.ini"), "path C:\\Sierra\\Half-Life\\\r\noptions -heapsize 64000\r\n");
  EXPECT_EQ(system.listings, 1) << "the second check finds the folder searched already";
  EXPECT_FALSE(system.busy);
  for (const forms::Control* hidden : std::initializer_list<const forms::Control*>{
           &z.frmInfo, &z.frmCommandLine, &z.frmMapSetup, &z.optBotFile, &z.optServerFile})
    EXPECT_FALSE(hidden->visible() && hidden->enabled()) << hidden->name() << ": nothing of the start-up views is left";
  chooseMod("Spaß");
  EXPECT_EQ(z.lblModSupport.caption(), "Umlaut");
  chooseMod("valve");
  EXPECT_EQ(z.cmbMapList1.items(), (std::vector<std::string>{"a", "b", "straße", "Upper"}));
  EXPECT_EQ(z.lstMapList.items(), z.cmbMapList1.items());
  EXPECT_TRUE(system.startedCommands.empty());
  EXPECT_FALSE(system.exists("C:\\TEMP\\zarn.bat"));
  EXPECT_EQ(system.waits(), 0);
}

TEST_F(ZarnTest, AGameFolderThatCannotBeListedIsReportedOnceAndTriedAgainOnTheNextChange) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.unlistableFolder = kGameDir;
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Error: the game folder cannot be listed: Access is denied.");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_FALSE(system.busy);
  EXPECT_EQ(system.listings, 1) << "the start-up's second check does not search again";

  // The operator mends the folder and types the path again; once found, it is not searched again.
  system.unlistableFolder = "";
  for (int round = 1; round <= 2; ++round) {
    z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.ex");
    z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.exe");
    EXPECT_EQ(system.listings, 2);
    EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"valve"});
  }
}

TEST_F(ZarnTest, WaitingLeavesNoScratchFolderAndTheMenusAnswer) {
  Zarn& z = startWith({});
  system.makeFolder("C:\\TEMP\\zarntmp");
  z.WaitABit();
  EXPECT_FALSE(system.exists("C:\\TEMP\\zarntmp"));
  EXPECT_EQ(system.waits(), 1);

  z.mnuAbout.operatorClick();
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "Brenvik v1.0");
  EXPECT_EQ(system.messages[0].title, "ZARN information");
  system.answers = {platform::Answer::No};
  z.mnuExit.operatorClick();
  EXPECT_EQ(system.messages.back().text, "Are you sure you want to exit?");
  EXPECT_EQ(system.messages.back().buttons, platform::MessageButtons::YesNo);
  system.answers = {platform::Answer::Yes};
  EXPECT_THROW(z.mnuExit.operatorClick(), ProgramEnded);
}

}  // namespace
