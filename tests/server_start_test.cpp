#include "app/colours.h"
#include "support/game_folder.h"

namespace {

class ServerStartTest : public ZarnTest {
 protected:
  // `mod` chosen and its command line saved with its first map; Start Server is pressed
  // directly, as the later pages do not change what it does.
  Zarn& prepare(const std::string& mod, const std::string& gameDir = kGameDir) {
    buildGameFolder(system, {{mod, "A mod", {"map1"}}}, gameDir);
    system.writeFile("C:\\WINDOWS\\zarn.ini", "path " + gameDir + "\r\n");
    start();
    saveThrough(kCommandLine, mod, {"map1"});
    return *zarn;
  }
  void expectStatus(const std::string& text, forms::Color colour) {
    EXPECT_EQ(zarn->lblStatus.caption(), text);
    EXPECT_EQ(zarn->lblStatus.foreColor(), colour);
  }
  // The watch's timer as the window's clock runs it, until it stops (at most a minute);
  // how many times it ran.
  int tickUntilTheWatchEnds() {
    int ticks = 0;
    for (; zarn->tmrStartWatch.enabled() && ticks < 240; ++ticks) {
      system.passTime(zarn->tmrStartWatch.interval());
      zarn->tmrStartWatch.elapse();
    }
    return ticks;
  }
};

TEST_F(ServerStartTest, EachStartWritesTheLineAsLastBuiltAndStartsItHidden) {
  Zarn& z = prepare("dod");
  const int waitsBefore = system.waits();
  z.cmdStart_Click();

  EXPECT_EQ(system.fileContent(kGameDir + "zarn.bat"), z.strCommandText + "\r\n");
  EXPECT_EQ(system.codePages[kGameDir + "zarn.bat"], platform::CodePage::Oem) << "as the interpreter reads it";
  EXPECT_EQ(system.codePages["C:\\WINDOWS\\zarn.ini"], platform::CodePage::Ansi);
  EXPECT_EQ(system.startedCommands, std::vector<std::string>{"C:\\Sierra\\Half-Life\\zarn.bat > C:\\TEMP\\zarn.log"});
  EXPECT_EQ(system.programsRun, std::vector<std::string>{z.strCommandText});
  EXPECT_EQ(system.waits() - waitsBefore, 1) << "the interpreter has ended by the first look";
  expectStatus("Server started. Have fun!", colours::kStarted);
  for (const forms::Control* hidden : std::initializer_list<const forms::Control*>{
           &z.frmCommandLine, &z.frmInfo, &z.chkClassLimit})
    EXPECT_FALSE(hidden->visible()) << hidden->name();

  // A change after the page was saved goes into the next start.
  z.optCommandLine.operatorPress();
  z.cmbPort.operatorPick(1);
  z.cmdStart_Click();
  EXPECT_EQ(system.programsRun.size(), 2u);
  EXPECT_NE(system.programsRun.back().find("+port 27016"), std::string::npos);
}

// Paths are quoted where they need it; the batch holds the line as the interpreter must read
// it to hand the server what the preview showed (carets outside quotes, % doubled), and the
// command that starts it breaks every % pair. The end-to-end test runs the real interpreter.
TEST_F(ServerStartTest, PathsAndTextsReachTheInterpreterQuotedAndEscaped) {
  system.tempDir = "C:\\Temp 100%\\";
  system.makeFolder(system.tempDir);
  Zarn& z = prepare("r&d", "C:\\Program Files\\R&D\\");
  z.optCommandLine.operatorPress();
  z.txtExtra1.operatorType("+hostname \"R&D | 100%\" x&y|z");

  z.cmdStart_Click();

  EXPECT_EQ(system.fileContent("C:\\Program Files\\R&D\\zarn.bat"),
            "\"C:\\Program Files\\R&D\\hl.exe\" -game \"r&d\" -console -noipx +port 27015 +maxplayers 8 +map map1 "
            "+lservercfgfile zarn_lserver.cfg  +mapcyclefile zarn_mapcycle.txt +motdfile zarn_motd.txt "
            "+hostname \"R&D | 100%%\" x^&y^|z\r\n");
  EXPECT_EQ(system.startedCommands.back(), "\"C:\\Program Files\\R&D\\zarn.bat\" > \"C:\\Temp 100%\"\"\\zarn.log\"");
  EXPECT_EQ(system.programsRun.size(), 1u);
  expectStatus("Server started. Have fun!", colours::kStarted);
}

TEST_F(ServerStartTest, AStartThatFailsIsShownInRedAndThePressLooksOnlyBriefly) {
  Zarn& z = prepare("valve");
  system.remove(kGameDir + "hl.exe");
  z.cmdStart_Click();
  expectStatus("Error: the server did not start! See zarn.log", colours::kError);

  // The press looks only briefly at a server that runs, and at an interpreter that fails
  // later: the watch tells that one.
  for (const bool failsLater : {false, true}) {
    if (failsLater)
      system.remove(kGameDir + "hl.exe");
    else
      system.writeFile(kGameDir + "hl.exe", "stand-in");
    system.outputDelayWaits = failsLater ? 5 : 0;
    system.endDelayWaits = 100;
    const int waitsBefore = system.waits();
    z.cmdStart_Click();
    EXPECT_LE(system.waits() - waitsBefore, 2) << failsLater;
    expectStatus("Server started. Have fun!", colours::kStarted);
  }

  system.startsFail = true;
  z.cmdStart_Click();
  expectStatus("Error: zarn.bat cannot be started!", colours::kError);
}

// The interpreter gets to the missing program only 2 s after the start, long after the
// press has looked. The watch then turns the status red, and the window never waits for it.
TEST_F(ServerStartTest, AStartThatFailsAfterThePressIsToldInRedByTheWatch) {
  Zarn& z = prepare("valve");
  system.remove(kGameDir + "hl.exe");
  system.outputDelayWaits = 5;
  z.cmdStart_Click();
  expectStatus("Server started. Have fun!", colours::kStarted);
  const int waits = system.waits();
  EXPECT_GT(tickUntilTheWatchEnds(), 1) << "the failure comes after the first look";
  expectStatus("Error: the server did not start! See zarn.log", colours::kError);
  EXPECT_EQ(system.waits(), waits) << "each look is at once";
}

TEST_F(ServerStartTest, AServerThatRunsOnIsWatchedUntilTheLimitAndOneThatEndsWellNoLonger) {
  Zarn& z = prepare("valve");
  system.endDelayWaits = 1000;
  const std::int64_t pressed = system.monotonicMilliseconds();
  z.cmdStart_Click();
  tickUntilTheWatchEnds();
  const std::int64_t watched = system.monotonicMilliseconds() - pressed;
  EXPECT_GE(watched, 15000);
  EXPECT_LT(watched, 15000 + z.tmrStartWatch.interval());
  expectStatus("Server started. Have fun!", colours::kStarted);

  system.endDelayWaits = 2;  // ends with exit code 0 within a second
  z.cmdStart_Click();
  EXPECT_LE(tickUntilTheWatchEnds(), 2);
  expectStatus("Server started. Have fun!", colours::kStarted);
}

// On a busy machine the first start's interpreter has not yet opened its log when Start
// Server is pressed again: the second start still takes its own pair of files. The first
// then finds its program gone and fails; the second start's status stands.
TEST_F(ServerStartTest, ASecondStartTakesItsOwnFilesAndEndsTheWatchOfTheFirst) {
  Zarn& z = prepare("valve");
  system.endDelayWaits = 1000;
  system.outputDelayWaits = 5;
  z.cmdStart_Click();
  system.outputDelayWaits = 0;
  z.cmdStart_Click();
  EXPECT_EQ(system.startedCommands.back(), "C:\\Sierra\\Half-Life\\zarn2.bat > C:\\TEMP\\zarn2.log");
  system.remove(kGameDir + "hl.exe");
  tickUntilTheWatchEnds();
  ASSERT_EQ(system.commandsFailed, 1) << "the first start has failed";
  expectStatus("Server started. Have fun!", colours::kStarted);
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
  expectStatus("Server started. Have fun!", colours::kStarted);

  for (int number = 5; number <= 9; ++number) system.holdOpen("C:\\TEMP\\zarn" + std::to_string(number) + ".log");
  const std::size_t startsBefore = system.startedCommands.size();
  z.cmdStart_Click();
  expectStatus("Error: zarn.log cannot be written!", colours::kError);
  EXPECT_EQ(system.startedCommands.size(), startsBefore);
  expectOneAlertNaming(system, "C:\\TEMP\\zarn.log");
}

TEST_F(ServerStartTest, ABatchThatCannotBeWrittenIsReportedAndNotStarted) {
  Zarn& z = prepare("valve");
  system.refuseWritesTo(kGameDir);
  z.cmdStart_Click();
  expectStatus("Error: zarn.bat cannot be written!", colours::kError);
  EXPECT_TRUE(system.startedCommands.empty());
  expectOneAlertNaming(system, kGameDir + "zarn.bat");
}

}  // namespace
