#include "support/bsp_file.h"
#include "support/game_folder.h"

namespace {

using platform::Answer;

const std::string kQuestion =
    "Encountered a problem with determining country for Allies.\r\nWould you like to ignore this and proceed?";

class AlliesCountryTest : public ZarnTest {
 protected:
  // dod chosen, with ripent.exe and maps whose entities tell British, U.S. and nothing.
  Zarn& startDod(const std::string& gameDir = kGameDir) {
    buildGameFolder(system, {{"dod", "Day of Defeat", {}}}, gameDir);
    system.writeFile("C:\\WINDOWS\\zarn.ini", "path " + gameDir + "\r\n");
    for (const auto& [map, country] : {std::pair{"dod_ridge", "1"}, {"dod_harbour", "0"}, {"dod_orchard", ""}})
      writeDodMap(system, map, country, gameDir);
    start();
    chooseMod("dod");
    return *zarn;
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
  void expectQuestions(std::size_t count) {
    ASSERT_EQ(system.messages.size(), count);
    EXPECT_EQ(system.messages.back().text, kQuestion);
    EXPECT_EQ(system.messages.back().style, platform::MessageStyle::Question);
    EXPECT_EQ(system.messages.back().buttons, platform::MessageButtons::YesNo);
  }
};

TEST_F(AlliesCountryTest, EachMapIsExportedOnceAndItsExportScannedAgainWithoutTheTool) {
  Zarn& z = startDod();
  system.holdOpen("C:\\TEMP\\zarn.log");  // a server runs: the export takes the next pair of files
  int hourglasses = system.hourglasses;
  detect("dod_ridge");
  expectCountry(1, 1);
  const std::string ridgeExport = "C:\\Sierra\\Half-Life\\ripent.exe -export C:\\Sierra\\Half-Life\\dod\\maps\\dod_ridge.bsp";
  EXPECT_EQ(system.startedCommands, std::vector<std::string>{"C:\\TEMP\\zarn2.bat"});
  EXPECT_EQ(system.fileContent("C:\\TEMP\\zarn2.bat"), ridgeExport + " > C:\\TEMP\\zarn2.log\r\n");
  EXPECT_EQ(system.programsRun, std::vector<std::string>{ridgeExport});
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\maps\\dod_ridge.ent"), sampleEntities("1"));
  EXPECT_EQ(system.hourglasses, hourglasses + 1);
  EXPECT_FALSE(system.busy);

  detect("dod_harbour");
  expectCountry(1, 0);
  z.blnAlliesBritish = 1;
  detect("dod_orchard");
  expectCountry(0, 1);  // an export without the key leaves both as they were

  system.remove(kGameDir + "ripent.exe");
  hourglasses = system.hourglasses;
  detect("dod_ridge");
  expectCountry(1, 1);
  EXPECT_EQ(system.startedCommands.size(), 3u);
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(system.hourglasses, hourglasses) << "a whole export and no run going: nothing to wait for";

  // A map not yet exported needs the tool: without it the program ends after saying so.
  writeDodMap(system, "dod_flak", "0");
  system.remove(kGameDir + "ripent.exe");
  EXPECT_THROW(detect("dod_flak"), ProgramEnded);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text,
            "FATAL ERROR: Require that RIPENT.EXE exist in C:\\Sierra\\Half-Life\\\r\n"
            "RIPENT is required to check map entities in order to determine if the Allies team is British.\r\n"
            "Please follow the installation instructions for this program.");
  EXPECT_EQ(system.messages[0].style, platform::MessageStyle::Critical);
  EXPECT_EQ(system.startedCommands.size(), 3u);
}

TEST_F(AlliesCountryTest, AnExportThatNeverComesIsAskedAboutAfterTheLastLook) {
  Zarn& z = startDod();
  system.writeFile(kGameDir + "dod\\maps\\dod_ridge.bsp", "no map: the tool exports nothing");
  z.blnAlliesBritish = 1;
  const int waits = system.waits();
  system.answers = {Answer::Yes};
  detect("dod_ridge");
  EXPECT_EQ(system.waits() - waits, 1 + 41);
  expectQuestions(1);
  EXPECT_TRUE(system.messages[0].busy) << "the hourglass lasts until the question is answered";
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
  startDod();
  system.outputDelayWaits = 3;
  system.endDelayWaits = 4;
  int waits = system.waits();
  detect("dod_ridge");
  expectCountry(1, 1);
  EXPECT_GE(system.waits() - waits, 3 + 4);

  // A tool that does not end within the bound of 15 s (here 40 s): its export may be cut
  // off. Chosen again while the tool still runs, the map waits for that same run, bounded
  // again, and asks again; once the run has ended, its export is read without a new run.
  system.endDelayWaits = 100;
  system.answers = {Answer::Yes, Answer::Yes};
  const std::size_t runs = system.startedCommands.size();
  for (const int question : {1, 2}) {
    waits = system.waits();
    detect("dod_harbour");
    EXPECT_LE(system.waits() - waits, 1 + 3 + 15000 / 400 + 1);
    expectCountry(0, 1);
    expectQuestions(static_cast<std::size_t>(question));
    ASSERT_TRUE(system.exists(kGameDir + "dod\\maps\\dod_harbour.ent")) << "the tool has begun its export";
  }
  detect("dod_harbour");
  expectCountry(1, 0);
  EXPECT_EQ(system.startedCommands.size(), runs + 1);
  EXPECT_FALSE(system.busy);

  // An export that cannot be read is a problem of the same kind.
  system.refuseReadsOf(kGameDir + "dod\\maps\\dod_ridge.ent");
  system.answers = {Answer::Yes};
  detect("dod_ridge");
  expectCountry(0, 0);
  expectQuestions(3);
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

}  // namespace
