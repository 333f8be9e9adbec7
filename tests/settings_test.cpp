#include "support/game_folder.h"

namespace {

const std::string kIni = "C:\\WINDOWS\\zarn.ini";

TEST_F(ZarnTest, SettingsRoundTripAGameFolderWithBlanksAndNeverGrow) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}}, "C:\\Program Files\\Half Life\\");
  system.writeFile(kIni, "PATH C:\\Nowhere\\\r\npath\r\npath C:\\Elsewhere\\\r\nnoise\r\npath C:\\Program Files\\Half Life\\\r\n"
                         "options\r\noptions -dev +log on\r\n");
  Zarn& z = start();
  EXPECT_EQ(z.strHalfLifeDir, "C:\\Program Files\\Half Life\\") << "the last path with a value wins, blanks kept";
  EXPECT_EQ(z.txtExtra1.text(), "-dev +log on");
  EXPECT_EQ(z.cmbModList.items(), std::vector<std::string>{"valve"});

  const std::string saved = "path C:\\Program Files\\Half Life\\\r\noptions -dev +log on\r\n";
  EXPECT_EQ(system.fileContent(kIni), saved);
  z.txtExtra1.operatorLeave();
  z.txtExtra1.operatorLeave();
  EXPECT_EQ(system.fileContent(kIni), saved);
}

TEST_F(ZarnTest, AnEmptyOptionsLineIsSavedButNotAppliedOnReading) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.writeFile(kIni, "options \r\n");
  Zarn& z = start();
  EXPECT_EQ(z.txtExtra1.text(), "-heapsize 64000");
  chooseMod("valve");
  z.optCommandLine.operatorPress();
  z.txtExtra1.operatorType("");
  z.txtExtra1.operatorLeave();
  EXPECT_EQ(system.fileContent(kIni), "path C:\\Sierra\\Half-Life\\\r\noptions \r\n");
}

TEST_F(ZarnTest, ASettingsFileSpelledInOtherCaseIsNotRead) {
  buildGameFolder(system, {});
  system.writeFile("C:\\WINDOWS\\ZARN.INI", "options -dev\r\n");
  EXPECT_EQ(start().txtExtra1.text(), "-heapsize 64000");
}

TEST_F(ZarnTest, AnUnwritableSettingsFileIsToldOnceAndBreaksNothing) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}});
  system.refuseWritesTo(kIni);
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");
  for (const char* key : {"C:\\Sierra\\Half-Life\\hl.ex", "C:\\Sierra\\Half-Life\\hl.exe", "X"}) z.txtExec.operatorType(key);
  expectOneAlertNaming(system, kIni);
  EXPECT_FALSE(system.busy);
}

}  // namespace
