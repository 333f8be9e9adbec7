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
  void expectStarted(const Zarn& z) {
    EXPECT_EQ(z.lblStatus.caption(), "Server started. Have fun!");
    EXPECT_EQ(z.lblStatus.foreColor(), colours::kStarted);
  }
};

TEST_F(ServerStartTest, EachStartWritesTheLineAsLastBuiltAndStartsItHidden) {
  Zarn& z = prepare("dod");
  const std::string firstLine = z.strCommandText;
  const int waitsBefore = system.waits();

  z.cmdStart_Click();

  EXPECT_EQ(system.fileContent(kGameDir + "zarn.bat"), firstLine + "\r\n");
  EXPECT_EQ(system.codePages[kGameDir + "zarn.bat"], platform::CodePage::Oem) << "as the interpreter reads it";
  EXPECT_EQ(system.codePages["C:\\WINDOWS\\zarn.ini"], platform::CodePage::Ansi);
  EXPECT_EQ(system.startedCommands.back(), "C:\\Sierra\\Half-Life\\zarn.bat > C:\\TEMP\\zarn.log");
  EXPECT_EQ(z.strBatchLine, system.startedCommands.back());
  EXPECT_EQ(system.programsRun, std::vector<std::string>{firstLine});
  EXPECT_TRUE(system.exists("C:\\TEMP\\zarn.log")) << "the server's output goes to the temp folder";
  EXPECT_EQ(system.waits() - waitsBefore, 1) << "the interpreter has ended by the first look";
  EXPECT_EQ(z.strBatchFile, "C:\\TEMP\\zarn.bat") << "later searches use the temp folder's batch";
  expectStarted(z);
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
  expectStarted(z);
}

// Whatever the folders and texts hold, the server receives exactly the line the preview
// showed, and the interpreter runs nothing else.
TEST_F(ServerStartTest, TheServerReceivesWhatThePreviewShowsAndNothingElseRuns) {
  system.tempDir = "C:\\T&mp 100%\\";
  system.makeFolder(system.tempDir);
  const std::string gameDir = "C:\\R&D Games;50%\\Half-Life\\";
  Zarn& z = prepare("r&d", gameDir);
  z.optCommandLine.operatorPress();
  z.cmbMaxPlayers.operatorType("8&echo INJECTED");
  const std::string head = "\"C:\\R&D Games;50%\\Half-Life\\hl.exe\" -game \"r&d\" -console -noipx +port 27015 "
                           "+maxplayers  8 +map map1 +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt "
                           "+motdfile zarn_motd.txt ";

  for (const std::string extra :
       {"-heapsize 64000", "+sv_password 50%off +hostname \"100% fun\"", "%PATH% %%", "x&echo INJECTED",
        "+hostname \"R&D | <1> ^\" x&y|z<w>v^u", "a^&b \"^\" ^", "+hostname \"open & to the end"}) {
    z.optCommandLine.operatorPress();
    z.txtExtra1.operatorType(extra);
    EXPECT_EQ(z.txtFileContents.text(), head + extra) << extra;
    const std::size_t runsBefore = system.programsRun.size();

    z.cmdStart_Click();

    EXPECT_EQ(system.programsRun.size(), runsBefore + 1) << extra;
    EXPECT_EQ(system.programsRun.back(), head + extra) << extra;
    expectStarted(z);
  }
  EXPECT_EQ(z.strBatchLine, "\"C:\\R&D Games;50%\\Half-Life\\zarn.bat\" > \"C:\\T&mp 100%\\zarn.log\"");
  EXPECT_EQ(system.startedCommands.back(),
            "\"C:\\R&D Games;50%\"\"\\Half-Life\\zarn.bat\" > \"C:\\T&mp 100%\"\"\\zarn.log\"");
  EXPECT_EQ(system.fileContent(gameDir + "zarn.bat"),
            "\"C:\\R&D Games;50%%\\Half-Life\\hl.exe\" -game \"r&d\" -console -noipx +port 27015 +maxplayers  8 "
            "+map map1 +lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt "
            "+hostname \"open & to the end\r\n");
}

TEST_F(ServerStartTest, AStartThatFailsAtOnceIsShownInRedAndTheWatchIsBounded) {
  Zarn& z = prepare("valve");
  system.deleteFile(kGameDir + "hl.exe");

  z.cmdStart_Click();
  EXPECT_EQ(z.lblStatus.caption(), "Error: the server did not start! See zarn.log");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);

  // A server that runs is watched only briefly; so is an interpreter that fails later.
  for (const bool failsLater : {false, true}) {
    if (failsLater)
      system.deleteFile(kGameDir + "hl.exe");
    else
      system.writeFile(kGameDir + "hl.exe", "stand-in");
    system.outputDelayWaits = failsLater ? 5 : 0;
    system.endDelayWaits = 100;
    const int waitsBefore = system.waits();
    z.cmdStart_Click();
    EXPECT_LE(system.waits() - waitsBefore, 2) << failsLater;
    expectStarted(z);
  }
}

TEST_F(ServerStartTest, EachRunningServerKeepsItsOwnBatchAndLog) {
  Zarn& z = prepare("valve");
  system.endDelayWaits = 1000;  // the servers run on

  z.cmdStart_Click();
  z.cmdStart_Click();
  EXPECT_EQ(system.startedCommands.back(), "C:\\Sierra\\Half-Life\\zarn2.bat > C:\\TEMP\\zarn2.log")
      << "the first server holds zarn.log";
  // An interpreter that still reads its batch file holds it too.
  system.holdOpen(kGameDir + "zarn3.bat");
  z.cmdStart_Click();
  EXPECT_EQ(system.startedCommands.back(), "C:\\Sierra\\Half-Life\\zarn4.bat > C:\\TEMP\\zarn4.log");
  EXPECT_EQ(system.programsRun, std::vector<std::string>(3, z.strCommandText));
  EXPECT_EQ(system.fileContent(kGameDir + "zarn4.bat"), z.strCommandText + "\r\n");
  expectStarted(z);

  for (int number = 5; number <= 9; ++number) system.holdOpen("C:\\TEMP\\zarn" + std::to_string(number) + ".log");
  const std::size_t startsBefore = system.startedCommands.size();
  z.cmdStart_Click();
  EXPECT_EQ(z.lblStatus.caption(), "Error: zarn.log cannot be written!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_EQ(system.startedCommands.size(), startsBefore);
  expectOneAlertNaming(system, "C:\\TEMP\\zarn.log");
}

TEST_F(ServerStartTest, ABatchThatCannotBeWrittenOrStartedIsReportedNotCelebrated) {
  Zarn& z = prepare("valve");
  system.refuseWritesTo(kGameDir);
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
