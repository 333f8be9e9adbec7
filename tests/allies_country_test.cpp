#include <filesystem>

#include "support/bsp_file.h"
#include "support/game_folder.h"

namespace {

using platform::Answer;

const std::string kQuestion =
    "Encountered a problem with determining country for Allies.\r\nWould you like to ignore this and proceed?";

class AlliesCountryTest : public ZarnTest {
 protected:
  // dod chosen in `gameDir`, with ripent.exe and the maps of addDodMaps.
  Zarn& startDod(const std::string& gameDir = kGameDir) {
    buildGameFolder(system, {{"dod", "Day of Defeat", {}}}, gameDir);
    if (gameDir != kGameDir) system.writeFile("C:\\WINDOWS\\zarn.ini", "path " + gameDir + "\r\n");
    addDodMaps(system, gameDir);
    Zarn& z = start();
    chooseMod("dod");
    return z;
  }
  // As a caller asks: the country unknown before the call.
  void detect(const std::string& map) {
    zarn->blnCountryKnown = 0;
    zarn->DetectAlliesCountry(map);
  }
  void expectCountry(Integer known, Integer british) {
    EXPECT_EQ(zarn->blnCountryKnown, known);
    EXPECT_EQ(zarn->blnAlliesBritish, british);
  }
};

TEST_F(AlliesCountryTest, EachMapIsExportedOnceAndItsExportScannedAgainWithoutTheTool) {
  Zarn& z = startDod();
  detect("dod_ridge");
  expectCountry(1, 1);
  const std::string ridgeExport = "C:\\Sierra\\Half-Life\\ripent.exe -export C:\\Sierra\\Half-Life\\dod\\maps\\dod_ridge.bsp";
  EXPECT_EQ(system.programsRun, std::vector<std::string>{ridgeExport});
  EXPECT_EQ(system.fileContent("C:\\TEMP\\zarn.bat"), ridgeExport + " > C:\\TEMP\\zarn.log\r\n");
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\maps\\dod_ridge.ent"), sampleEntities("1"));
  EXPECT_FALSE(system.busy);

  detect("dod_harbour");
  expectCountry(1, 0);
  z.blnAlliesBritish = 1;
  detect("dod_orchard");
  expectCountry(0, 1);  // an export without the key leaves both as they were
  EXPECT_EQ(system.programsRun.size(), 3u);
  EXPECT_TRUE(system.messages.empty());

  std::filesystem::remove(system.hostPath(kGameDir + "ripent.exe"));
  const std::size_t starts = system.startedCommands.size();
  const int busyCalls = system.busyCalls;
  detect("dod_ridge");
  expectCountry(1, 1);
  EXPECT_EQ(system.startedCommands.size(), starts);
  EXPECT_EQ(system.busyCalls, busyCalls) << "no hourglass for a kept export";
  EXPECT_TRUE(system.messages.empty());
}

TEST_F(AlliesCountryTest, AMissingToolEndsTheProgramAfterItsMessage) {
  startDod();
  std::filesystem::remove(system.hostPath(kGameDir + "ripent.exe"));
  const std::size_t starts = system.startedCommands.size();

  EXPECT_THROW(detect("dod_ridge"), ProgramEnded);

  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text,
            "FATAL ERROR: Require that RIPENT.EXE exist in C:\\Sierra\\Half-Life\\\r\n"
            "RIPENT is required to check map entities in order to determine if the Allies team is British.\r\n"
            "Please follow the installation instructions for this program.");
  EXPECT_EQ(system.messages[0].title, "ZARN Alert!");
  EXPECT_EQ(system.messages[0].style, platform::MessageStyle::Critical);
  EXPECT_EQ(system.messages[0].buttons, platform::MessageButtons::Ok);
  EXPECT_EQ(system.startedCommands.size(), starts);
}

TEST_F(AlliesCountryTest, AnExportThatNeverComesIsAskedAboutAfterTheLastLook) {
  Zarn& z = startDod();
  system.exportsNothing = true;
  z.blnAlliesBritish = 1;
  const int waits = system.waits();
  system.answers = {Answer::Yes};

  detect("dod_ridge");

  EXPECT_EQ(system.waits() - waits, 1 + 41);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, kQuestion);
  EXPECT_EQ(system.messages[0].title, "ZARN Alert!");
  EXPECT_EQ(system.messages[0].style, platform::MessageStyle::Question);
  EXPECT_EQ(system.messages[0].buttons, platform::MessageButtons::YesNo);
  expectCountry(0, 1);
  EXPECT_FALSE(system.busy);

  // No leads to the exit question; declining it carries on as Yes does.
  system.answers = {Answer::No, Answer::No};
  detect("dod_ridge");
  ASSERT_EQ(system.messages.size(), 3u);
  EXPECT_EQ(system.messages[2].text, "Are you sure you want to exit?");
  expectCountry(0, 1);

  system.answers = {Answer::No, Answer::Yes};
  EXPECT_THROW(detect("dod_ridge"), ProgramEnded);
}

TEST_F(AlliesCountryTest, TheExportIsReadOnlyOnceTheToolHasEnded) {
  Zarn& z = startDod();
  system.outputDelayWaits = 3;
  system.endDelayWaits = 4;
  const int waits = system.waits();
  detect("dod_ridge");
  expectCountry(1, 1);
  EXPECT_GE(system.waits() - waits, 3 + 4);

  // A tool that does not end within the bound: its export may be half written.
  writeDodMap(system, kGameDir, "dod_slow", "1");
  system.endDelayWaits = 1000;
  z.blnAlliesBritish = 0;
  system.answers = {Answer::Yes};
  detect("dod_slow");
  expectCountry(0, 0);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, kQuestion);

  // An export that cannot be read is a problem of the same kind.
  system.refuseReadsOf(kGameDir + "dod\\maps\\dod_ridge.ent");
  system.answers = {Answer::Yes};
  detect("dod_ridge");
  expectCountry(0, 0);
  EXPECT_EQ(system.messages.size(), 2u);
}

TEST_F(AlliesCountryTest, PathsWithBlanksAreQuotedForTheInterpreter) {
  system.tempDir = "C:\\Temp Files\\";
  system.makeFolder(system.tempDir);
  startDod("C:\\Program Files\\Half Life\\");
  detect("dod_ridge");
  expectCountry(1, 1);
  EXPECT_EQ(system.fileContent("C:\\Temp Files\\zarn.bat"),
            "\"C:\\Program Files\\Half Life\\ripent.exe\" -export "
            "\"C:\\Program Files\\Half Life\\dod\\maps\\dod_ridge.bsp\" > \"C:\\Temp Files\\zarn.log\"\r\n");
}

TEST_F(AlliesCountryTest, AServerHoldingTheTempFolderLogLeavesTheExportItsOwnFiles) {
  startDod();
  system.holdOpen("C:\\TEMP\\zarn.log");
  detect("dod_ridge");
  expectCountry(1, 1);
  EXPECT_EQ(system.startedCommands.back(), "C:\\TEMP\\zarn2.bat");
  EXPECT_EQ(system.fileContent("C:\\TEMP\\zarn2.bat"),
            "C:\\Sierra\\Half-Life\\ripent.exe -export C:\\Sierra\\Half-Life\\dod\\maps\\dod_ridge.bsp > "
            "C:\\TEMP\\zarn2.log\r\n");
  EXPECT_TRUE(system.messages.empty());
}

}  // namespace
