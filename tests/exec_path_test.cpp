#include "app/colours.h"
#include "support/game_folder.h"

namespace {

TEST_F(ZarnTest, TypingThePathChecksEveryKeystrokeAndSearchesOnlyANewFolder) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  buildGameFolder(system, {{"cstrike", "Counter", {}}}, "D:\\HL\\");
  Zarn& z = start();
  const int searches = system.listings;
  const int beeps = system.beeps;

  const std::string other = "D:\\HL\\hl.exe";
  for (std::size_t n = 1; n <= other.size(); ++n) z.txtExec.operatorType(other.substr(0, n));
  // "D" is not checked; "D:" up to "D:\HL\hl.ex" are rejected with a beep each.
  EXPECT_EQ(system.beeps - beeps, static_cast<int>(other.size()) - 2);
  EXPECT_EQ(z.strHalfLifeDir, "D:\\HL\\");
  EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"cstrike"});
  EXPECT_EQ(system.listings, searches + 1);
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");

  // A rejected keystroke and back to the folder searched last: no new search, error kept.
  z.txtExec.operatorType("D:\\HL\\hl.ex");
  EXPECT_FALSE(z.cmbModList.enabled());
  z.txtExec.operatorType(other);
  EXPECT_TRUE(z.cmbModList.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Error: Please fix Exec path!");
  EXPECT_EQ(system.listings, searches + 1);
  EXPECT_EQ(system.fileContent("C:\\WINDOWS\\zarn.ini"), "path D:\\HL\\\r\noptions -heapsize 64000\r\n");
}

TEST_F(ZarnTest, TheDedicatedBoxSelectsTheExecutableAndTheCut) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  Zarn& z = start();
  z.chkDedicated.setValue(1);  // as the page's switch would, before its own handler is wired to this check
  z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.exe ");
  z.txtExec.operatorType("C:\\Sierra\\Half-Life\\hl.exe");
  EXPECT_EQ(z.strHalfLifeDir, "C:\\Sierra\\Half-Lif");
  EXPECT_EQ(z.lblStatus.caption(), "Error: Please fix Exec path!");
  z.txtExec.operatorType("short");
  EXPECT_EQ(z.strHalfLifeDir, "C:\\Sierra\\Half-Lif") << "eight characters or fewer keep the folder";
  EXPECT_TRUE(z.cmbModList.items() == std::vector<std::string>{"valve"});
}

TEST_F(ZarnTest, APathWithoutADriveIsNeitherCheckedNorSearchedButSaved) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  Zarn& z = start();
  const int beeps = system.beeps;
  z.txtExec.operatorType("\\\\server\\hl\\hl.exe");
  EXPECT_EQ(system.beeps, beeps);
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");
  EXPECT_EQ(system.fileContent("C:\\WINDOWS\\zarn.ini"), "path \\\\server\\hl\\\r\noptions -heapsize 64000\r\n");
}

TEST_F(ZarnTest, AFolderWithoutModsSaysSoInRedAndStillEnablesTheList) {
  buildGameFolder(system, {});
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Error: No mods found!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_TRUE(z.cmbModList.enabled());
}

}  // namespace
