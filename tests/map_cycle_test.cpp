#include <filesystem>

#include "app/colours.h"
#include "support/page_road.h"

namespace {

using Items = std::vector<std::string>;

class MapCycleTest : public PageRoadTest {
 protected:
  // The Map Cycle page opened for `mod`, whose maps are a, b, c, d, e and m.
  Zarn& openMapPage(const std::string& mod = "valve") {
    Zarn& z = startWith({{mod, "Sample", {"a", "b", "c", "d", "e", "m"}}});
    saveCommandLine(mod, "m");
    saveServerPage();
    z.optMapFile.operatorPress();
    return z;
  }
};

TEST_F(MapCycleTest, MapsAreAddedInOrderAndTheCycleAsksForFive) {
  Zarn& z = openMapPage();
  z.cmbSturmbotMapList.addItem("left over");
  EXPECT_TRUE(z.frmMapSetup.visible());
  EXPECT_FALSE(z.frmServerFile.visible());
  EXPECT_EQ(z.frmInfo.caption(), "zarn_mapcycle.txt");
  EXPECT_EQ(z.txtFileContents.text(), "");
  expectReadOnlyPreview(z);
  EXPECT_EQ(z.lblStatus.caption(), "Please complete Map Cycle");
  EXPECT_FALSE(z.cmdAddMap.enabled());
  EXPECT_FALSE(z.cmdClearMapList.enabled());
  EXPECT_FALSE(z.cmdMapOK.enabled());

  z.lstMapList.operatorPick(mapIndex("b"));
  EXPECT_TRUE(z.cmdAddMap.enabled());
  EXPECT_TRUE(z.chkClassLimit.enabled());
  EXPECT_FALSE(z.cmdMapOK.enabled()) << "a selection alone gives nothing to save";

  addMaps({"b", "a", "b", "c"});
  EXPECT_EQ(z.txtFileContents.text(), "b\r\na\r\nb\r\nc");
  EXPECT_EQ(z.lblStatus.caption(), "C'mon, add some more maps...");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_TRUE(z.cmdClearMapList.enabled());
  EXPECT_TRUE(z.cmdMapOK.enabled());
  addMaps({"d"});
  EXPECT_EQ(z.lblStatus.caption(), "Map cycle ok?");
  addMaps({"e"});
  EXPECT_EQ(z.lblStatus.caption(), "Map cycle ok?");

  z.cmdMapOK.operatorClick();

  EXPECT_EQ(system.fileContent(kGameDir + "valve\\zarn_mapcycle.txt"), "b\r\na\r\nb\r\nc\r\nd\r\ne\r\n");
  EXPECT_EQ(z.blnMapCycleSaved, 1);
  EXPECT_EQ(z.optMapFile.backColor(), colours::kStepSaved);
  EXPECT_TRUE(z.optMotd.enabled());
  EXPECT_FALSE(z.cmdMapOK.enabled());
  EXPECT_FALSE(z.frmMapSetup.visible());
  EXPECT_EQ(z.lblStatus.caption(), "Please select Welcome Message");
  EXPECT_EQ(z.cmbSturmbotMapList.items(), Items{"left over"}) << "only dod hands its cycle to Sturmbot";
}

TEST_F(MapCycleTest, ClearAfterSaveStartsAfreshButKeepsTheSavedStepAndFile) {
  Zarn& z = openMapPage();
  saveMapCycle({"a", "b", "c", "d", "e"});
  reopen(z.optMapFile);
  EXPECT_EQ(z.txtFileContents.text(), "a\r\nb\r\nc\r\nd\r\ne") << "the cycle is kept when the page is reopened";
  EXPECT_FALSE(z.cmdMapOK.enabled()) << "Save returns only with the next Add";

  // The map selected before is added by a double click even while Add Map is disabled.
  EXPECT_FALSE(z.cmdAddMap.enabled());
  z.lstMapList.operatorDoubleClick(z.lstMapList.listIndex());
  EXPECT_EQ(z.txtFileContents.text(), "a\r\nb\r\nc\r\nd\r\ne\r\ne");
  EXPECT_TRUE(z.cmdMapOK.enabled());

  z.cmdClearMapList.operatorClick();
  EXPECT_EQ(z.txtFileContents.text(), "");
  EXPECT_FALSE(z.cmdMapOK.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Please complete Map Cycle");
  EXPECT_EQ(z.blnMapCycleSaved, 1);
  EXPECT_EQ(z.optMapFile.backColor(), colours::kStepSaved);
  EXPECT_EQ(system.fileContent(kGameDir + "valve\\zarn_mapcycle.txt"), "a\r\nb\r\nc\r\nd\r\ne\r\n");

  addMaps({"m", "a", "b", "c"});
  EXPECT_EQ(z.txtFileContents.text(), "m\r\na\r\nb\r\nc");
  EXPECT_EQ(z.lblStatus.caption(), "C'mon, add some more maps...") << "the count starts again";
  z.cmdMapOK.operatorClick();
  EXPECT_EQ(system.fileContent(kGameDir + "valve\\zarn_mapcycle.txt"), "m\r\na\r\nb\r\nc\r\n");
}

TEST_F(MapCycleTest, DodHandsTheFirstMapAndTheCycleToSturmbot) {
  Zarn& z = openMapPage("dod");
  z.cmbSturmbotMapList.addItem("left over");
  saveMapCycle({"a", "m", "b"});
  EXPECT_EQ(z.cmbSturmbotMapList.items(), (Items{"m", "a", "m", "b"}));
}

TEST_F(MapCycleTest, AModFolderNamedDodInCapitalsCountsAsDod) {
  Zarn& z = openMapPage("DOD");
  saveMapCycle({"a", "b"});
  EXPECT_EQ(z.cmbSturmbotMapList.items(), (Items{"m", "a", "b"}));
  EXPECT_EQ(system.fileContent(kGameDir + "DOD\\zarn_mapcycle.txt"), "a\r\nb\r\n");
}

TEST_F(MapCycleTest, TheHundredthMapIsRefusedAndTheNinetyNineAreKept) {
  Zarn& z = openMapPage();
  z.lstMapList.operatorPick(mapIndex("a"));
  for (int added = 0; added < 99; ++added) z.cmdAddMap.operatorClick();
  const std::string cycle = z.strMapCycleText;

  z.cmdAddMap.operatorClick();

  EXPECT_EQ(z.lblStatus.caption(), "The map cycle is full: 99 maps.");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_EQ(z.intCycleMapCount, 99);
  EXPECT_EQ(z.strMapCycleText, cycle);

  // Reopened, the full cycle can still be saved: the refused Add offers Save too.
  reopen(z.optMapFile);
  z.lstMapList.operatorDoubleClick(mapIndex("b"));
  EXPECT_EQ(z.lblStatus.caption(), "The map cycle is full: 99 maps.");
  z.cmdMapOK.operatorClick();
  std::string expected;
  for (int line = 0; line < 99; ++line) expected += "a\r\n";
  EXPECT_EQ(system.fileContent(kGameDir + "valve\\zarn_mapcycle.txt"), expected);
}

TEST_F(MapCycleTest, AMissingModFolderIsReportedAndTheStepStaysPending) {
  Zarn& z = openMapPage("dod");
  z.cmbSturmbotMapList.addItem("left over");
  addMaps({"a"});
  std::filesystem::remove_all(system.hostPath(kGameDir + "dod"));

  z.cmdMapOK.operatorClick();

  expectOneAlertNaming(system, kGameDir + "dod\\zarn_mapcycle.txt");
  EXPECT_EQ(z.blnMapCycleSaved, 0);
  EXPECT_EQ(z.optMapFile.backColor(), colours::kStepPending);
  EXPECT_FALSE(z.optMotd.enabled());
  EXPECT_TRUE(z.cmdMapOK.enabled());
  EXPECT_TRUE(z.frmMapSetup.visible());
  EXPECT_EQ(z.cmbSturmbotMapList.items(), Items{"left over"}) << "nothing handed over for an unsaved cycle";
}

}  // namespace
