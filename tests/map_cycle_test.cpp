#include "app/colours.h"
#include "support/game_folder.h"

namespace {

using Items = std::vector<std::string>;
const std::string kCycleFile = kGameDir + "valve\\zarn_mapcycle.txt";

TEST_F(ZarnTest, MapsAreAddedInOrderAndClearStartsAfreshKeepingTheSavedStep) {
  Zarn& z = startWith({{"valve", "Sample", {"a", "b", "c", "d", "e"}}});
  saveThrough(kServerFile, "valve", {"a"});
  z.optMapFile.operatorPress();
  EXPECT_EQ(z.lblStatus.caption(), "Please complete Map Cycle");
  pick(z.lstMapList, "b");
  EXPECT_FALSE(z.cmdMapOK.enabled()) << "a selection alone gives nothing to save";
  addMaps({"b", "a", "b", "c"});
  EXPECT_EQ(z.txtFileContents.text(), "b\r\na\r\nb\r\nc");
  EXPECT_EQ(z.lblStatus.caption(), "C'mon, add some more maps...");
  addMaps({"d"});
  EXPECT_EQ(z.lblStatus.caption(), "Map cycle ok?");
  z.cmdMapOK.operatorClick();
  ASSERT_EQ(system.fileContent(kCycleFile), "b\r\na\r\nb\r\nc\r\nd\r\n");

  reopen(z.optMapFile);
  EXPECT_EQ(z.txtFileContents.text(), "b\r\na\r\nb\r\nc\r\nd") << "the cycle is kept when the page is reopened";
  EXPECT_FALSE(z.cmdAddMap.enabled());
  z.lstMapList.operatorDoubleClick(z.lstMapList.listIndex());  // adds even while Add Map is off
  EXPECT_EQ(z.txtFileContents.text(), "b\r\na\r\nb\r\nc\r\nd\r\nd");
  EXPECT_TRUE(z.cmdMapOK.enabled());

  z.cmdClearMapList.operatorClick();
  EXPECT_EQ(z.txtFileContents.text(), "");
  EXPECT_FALSE(z.cmdMapOK.enabled());
  EXPECT_EQ(z.blnMapCycleSaved, 1);
  EXPECT_EQ(z.optMapFile.backColor(), colours::kStepSaved);
  addMaps({"e", "a", "b", "c"});
  EXPECT_EQ(z.lblStatus.caption(), "C'mon, add some more maps...") << "the count starts again";
  z.cmdMapOK.operatorClick();
  EXPECT_EQ(system.fileContent(kCycleFile), "e\r\na\r\nb\r\nc\r\n");
}

TEST_F(ZarnTest, TheHundredthMapIsRefusedAndTheNinetyNineAreKept) {
  Zarn& z = startWith({{"valve", "Sample", {"a", "b"}}});
  saveThrough(kServerFile, "valve", {"a"});
  z.optMapFile.operatorPress();
  pick(z.lstMapList, "a");
  for (int added = 0; added < 100; ++added) z.cmdAddMap.operatorClick();
  EXPECT_EQ(z.lblStatus.caption(), "The map cycle is full: 99 maps.");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);

  // Reopened, the full cycle can still be saved: the refused Add offers Save too.
  reopen(z.optMapFile);
  z.lstMapList.operatorDoubleClick(1);
  z.cmdMapOK.operatorClick();
  std::string expected;
  for (int line = 0; line < 99; ++line) expected += "a\r\n";
  EXPECT_EQ(system.fileContent(kCycleFile), expected);
}

// Sturmbot's per-map files are for the first map and the maps of the saved cycle: dod, in
// whatever letter case, hands them over; other mods and an unsaved cycle do not.
TEST_F(ZarnTest, DodHandsTheFirstMapAndTheSavedCycleToSturmbot) {
  for (const char* mod : {"valve", "DOD"}) {
    SCOPED_TRACE(mod);
    buildGameFolder(system, {{mod, "Sample", {"a", "b", "m"}}});
    Zarn& z = start();
    z.cmbSturmbotMapList.addItem("left over");
    saveThrough(kMapCycle, mod, {"m", "a", "m", "b"});
    const Items handed = std::string(mod) == "valve" ? Items{"left over"} : Items{"m", "m", "a", "m", "b"};
    EXPECT_EQ(z.cmbSturmbotMapList.items(), handed);
  }
  Zarn& z = *zarn;
  z.cmbSturmbotMapList.clear();
  reopen(z.optMapFile);
  addMaps({"a"});
  system.refuseWritesTo(kGameDir + "DOD\\zarn_mapcycle.txt");
  z.cmdMapOK.operatorClick();
  EXPECT_TRUE(z.cmbSturmbotMapList.items().empty());
}

}  // namespace
