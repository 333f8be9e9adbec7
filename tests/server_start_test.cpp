#include "app/colours.h"
#include "support/game_folder.h"

namespace {

class ServerStartTest : public ZarnTest {
 protected:
  // `mod` chosen and its command line saved with its first map. The later pages are
  // taken as saved: Start Server is pressed directly.
  Zarn& prepare(const std::string& mod, const std::string& gameDir = kGameDir) {
    buildGameFolder(system, {{mod, "A mod", {"map1"}}}, gameDir);
    if (gameDir != kGameDir) system.writeFile("C:\\WINDOWS\\zarn.ini", "path " + gameDir + "\r\n");
    Zarn& z = start();
    chooseMod(mod);
    z.optCommandLine.operatorPress();
    z.cmbMapList1.operatorPick(0);
    z.cmdCommandOK.operatorClick();
    return z;
  }
};

TEST_F(ServerStartTest, EachStartWritesTheLineAsLastBuiltAndStartsItHidden) {
  Zarn& z = prepare("dod");
  const std::string firstLine = z.strCommandText;
  const int waitsBefore = system.waits();

  z.cmdStart_Click();

  EXPECT_EQ(system.fileContent(kGameDir + "zarn.bat"), firstLine + "\r\n");
  EXPECT_EQ(system.startedCommands.back(), "C:\\Sierra\\Half-Life\\zarn.bat > C:\\TEMP\\zarn.log");
  EXPECT_EQ(z.strBatchLine, system.startedCommands.back());
  EXPECT_EQ(system.programsRun, std::vector<std::string>{firstLine});
  EXPECT_TRUE(system.exists("C:\\TEMP\\zarn.log")) << "the server's output goes to the temp folder";
  EXPECT_EQ(system.waits() - waitsBefore, 1);
  EXPECT_EQ(z.strBatchFile, "C:\\TEMP\\zarn.bat") << "later searches use the temp folder's batch";
  EXPECT_EQ(z.lblStatus.caption(), "Server started. Have fun!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kStarted);
  for (const forms::Control* hidden : std::initializer_list<const forms::Control*>{
           &z.frmCommandLine, &z.frmServerFile, &z.frmMapSetup, &z.frmSturmbotSetup, &z.frmInfo, &z.chkClassLimit})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  EXPECT_EQ(z.blnCommandSaved, 1) << "the workflow stays as it was";

  // A change after the page was saved goes into the next start.
  z.optCommandLine.operatorPress();
  z.cmbPort.operatorPick(1);
  z.cmdStart_Click();
  EXPECT_EQ(system.programsRun.size(), 2u);
  EXPECT_NE(system.programsRun.back().find("+port 27016"), std::string::npos);
  EXPECT_EQ(system.fileContent(kGameDir + "zarn.bat"), z.strCommandText + "\r\n");
}

TEST_F(ServerStartTest, PathsWithBlanksAreQuotedSoTheBatchStillRuns) {
  system.tempDir = "C:\\Temp Files\\";
  system.makeFolder(system.tempDir);
  const std::string gameDir = "C:\\Program Files\\Half Life\\";
  Zarn& z = prepare("valve", gameDir);

  z.cmdStart_Click();

  const std::string line = "\"C:\\Program Files\\Half Life\\hl.exe\" -game valve -console -noipx +port 27015 "
                           "+maxplayers 8 +map map1 +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt "
                           "+motdfile zarn_motd.txt -heapsize 64000";
  EXPECT_EQ(z.strCommandText, line);
  EXPECT_EQ(system.fileContent(gameDir + "zarn.bat"), line + "\r\n");
  EXPECT_EQ(system.startedCommands.back(), "\"C:\\Program Files\\Half Life\\zarn.bat\" > \"C:\\Temp Files\\zarn.log\"");
  EXPECT_EQ(system.programsRun, std::vector<std::string>{line}) << "the interpreter found and ran the batch";
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kStarted);
}

TEST_F(ServerStartTest, ABatchThatCannotBeWrittenOrStartedIsReportedNotCelebrated) {
  Zarn& z = prepare("valve");
  system.refuseWritesTo(kGameDir + "zarn.bat");
  const std::size_t startsBefore = system.startedCommands.size();

  z.cmdStart_Click();

  EXPECT_EQ(z.lblStatus.caption(), "Error: zarn.bat cannot be written!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_EQ(system.startedCommands.size(), startsBefore);
  expectOneAlertNaming(system, kGameDir + "zarn.bat");
  EXPECT_EQ(z.strBatchFile, "C:\\TEMP\\zarn.bat");

  FakePlatform other;
  buildGameFolder(other, {{"valve", "Half-Life", {"map1"}}});
  Zarn y(other);
  y.Form_Load();
  other.startsFail = true;
  y.cmdStart_Click();
  EXPECT_EQ(y.lblStatus.caption(), "Error: zarn.bat cannot be started!");
  EXPECT_EQ(y.lblStatus.foreColor(), colours::kError);
}

}  // namespace
