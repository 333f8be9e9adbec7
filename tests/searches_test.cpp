#include "app/colours.h"
#include "support/game_folder.h"

namespace {

TEST_F(ZarnTest, TheSearchRemovesAStaleListingFirstAndReadsOnlyTheCompleteOne) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}, {"a,b", "Comma", {}}});
  system.writeFile("C:\\TEMP\\zarn.log", "stale\r\n");
  system.outputDelayWaits = 3;
  system.endDelayWaits = 2;
  Zarn& z = start();
  EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"valve"}) << "a comma splits a folder name in two";
  EXPECT_GE(system.waits(), 1 + 3 + 2) << "removal, output and end each waited for";
  EXPECT_FALSE(system.busy);
}

TEST_F(ZarnTest, AListingThatNeverComesEndsTheSearchWithinTheBound) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.commandsNeverRun = true;
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Error: zarn.log did not appear!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_TRUE(z.cmbModList.items().empty());
  EXPECT_FALSE(system.busy);
  EXPECT_EQ(z.frmInfo.caption(), "mod search...");
  // Start-up checks twice; a failed search is tried again by the second check.
  EXPECT_EQ(system.startedCommands.size(), 2u);
  EXPECT_LT(system.monotonicMilliseconds(), 2 * 16000) << "about fifteen seconds a check";
}

TEST_F(ZarnTest, AListingStillBeingWrittenIsNotReadHalfWay) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.endDelayWaits = 1000;  // the command never ends within the bound
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Error: zarn.log was not finished!");
  EXPECT_TRUE(z.cmbModList.items().empty());
}

TEST_F(ZarnTest, AListingThatCannotBeRemovedStopsTheSearch) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.writeFile("C:\\TEMP\\zarn.log", "held open by a running server\r\n");
  system.undeletable = true;
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Error: the old zarn.log cannot be removed!");
  EXPECT_TRUE(system.startedCommands.empty());
}

TEST_F(ZarnTest, ATempFolderWithBlanksIsQuotedForTheInterpreter) {
  system.tempDir = "C:\\Documents and Settings\\op\\Temp\\";
  system.makeFolder(system.tempDir);
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  Zarn& z = start();
  EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"valve"});
  EXPECT_EQ(system.startedCommands[0], "\"C:\\Documents and Settings\\op\\Temp\\zarn.bat\"");
  EXPECT_EQ(system.fileContent(system.tempDir + "zarn.bat"),
            "dir C:\\Sierra\\Half-Life\\ /ad /b > \"C:\\Documents and Settings\\op\\Temp\\zarn.log\"\r\n");
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
