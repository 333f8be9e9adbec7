#include <filesystem>
#include <functional>
#include <vector>

#include "app/colours.h"
#include "support/bot_road.h"

namespace {

class SturmbotPerMapTest : public BotRoadTest {
 protected:
  // The Sturmbot 1.5 text in per-map mode: the addbot lines in place of "fillserver".
  static std::string perMapText(const std::string& addBotLines) {
    return replaced(kSturmbot15Text, "\r\nfillserver", "\r\n" + addBotLines);
  }
  std::vector<forms::Control*> entryControls() const {
    Zarn& z = *zarn;
    return {&z.txtSturmbotName, &z.cmbSturmbotSkill, &z.optSturmbotAllies1,
            &z.optSturmbotAllies2, &z.optSturmbotAxis1, &z.cmbSturmbotClass};
  }
  void expectMapStatus(const std::string& text, forms::Color colour) {
    EXPECT_EQ(zarn->lblSturmbotMapStatus.caption(), text);
    EXPECT_EQ(zarn->lblSturmbotMapStatus.foreColor(), colour);
  }
  void expectFillServerMode() {
    Zarn& z = *zarn;
    EXPECT_TRUE(z.chkSturmbotFillserver.checked());
    EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidth);
    EXPECT_FALSE(z.frmSturmbotCustom.visible());
    EXPECT_FALSE(z.frmSturmbotCustom.enabled());
    EXPECT_EQ(z.strBotFileName, "bot.cfg");
  }
  // Fill-server mode on the page, bot.cfg shown under its name.
  void expectFillServerPage() {
    expectFillServerMode();
    EXPECT_EQ(zarn->frmInfo.caption(), "bot.cfg");
    EXPECT_EQ(zarn->txtFileContents.text(), kSturmbot15Text);
  }
  // Adds one bot of the Axis, whatever the map calls them.
  void addAxisBot() {
    zarn->optSturmbotAxis1.operatorPress();
    zarn->cmbSturmbotClass.operatorPick(0);
    zarn->cmdSturmbotAdd.operatorClick();
  }
};

TEST_F(SturmbotPerMapTest, TheSwitchWidensThePageForThePanelAndModSelectionNarrowsItUnseen) {
  Zarn& z = reachBotSetup("dod");
  z.optBotFile.operatorPress();
  ASSERT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidth);
  EXPECT_EQ(z.intFrameWidthWide, z.frmControlCenter.width() + z.frmInfo.width());

  z.chkSturmbotFillserver.operatorClick();

  EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidthWide);
  EXPECT_TRUE(z.frmSturmbotCustom.operable());
  EXPECT_EQ(z.frmInfo.caption(), "bot.cfg") << "no map is chosen yet";
  EXPECT_EQ(z.lblSturmbotMapStatus.caption(), "Please select map");
  EXPECT_EQ(z.txtFileContents.text(), perMapText("")) << "no addbot lines yet: the text ends in CR LF";

  z.chkSturmbotFillserver.operatorClick();
  expectFillServerPage();

  // A map typed into the list runs no check, but the switch names that map's file.
  z.chkSturmbotFillserver.operatorClick();
  z.cmbSturmbotMapList.operatorType("dod_typed");
  EXPECT_EQ(z.frmInfo.caption(), "bot.cfg");
  z.chkSturmbotFillserver.operatorClick();
  z.chkSturmbotFillserver.operatorClick();
  EXPECT_EQ(z.frmInfo.caption(), "dod_typed_bot.cfg");
  EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidthWide);

  // Choosing the mod again returns to fill-server mode without opening the page.
  chooseMod("dod");
  expectFillServerMode();
  EXPECT_FALSE(z.frmSturmbotSetup.visible());
  EXPECT_FALSE(z.frmInfo.visible());
}

TEST_F(SturmbotPerMapTest, AMapIsCheckedForItsWaypointFileByItsExactName) {
  Zarn& z = openPerMapPanel("1.5");
  const std::string shown = z.txtFileContents.text();

  chooseBotMap("dod_ridge");

  EXPECT_EQ(z.frmInfo.caption(), "dod_ridge_bot.cfg");
  EXPECT_EQ(z.frmSturmbotCustom.caption(), "dod_ridge.wpt");
  expectMapStatus("Waypoint file exists.", colours::kPrompt);
  EXPECT_EQ(system.beeps, 0);
  EXPECT_EQ(z.txtFileContents.text(), shown) << "the text waits for the next rebuild";
  EXPECT_TRUE(system.programsRun.empty()) << "class types: the Allies' country is not asked";
  EXPECT_EQ(z.optSturmbotAxis1.caption(), "Axis");
  EXPECT_EQ(z.optSturmbotAllies1.caption(), "Allies");
  EXPECT_FALSE(z.optSturmbotAllies2.visible());

  // dod_Case's waypoint file differs from the map's name in letter case only.
  for (const char* map : {"dod_flak", "dod_Case"}) {
    SCOPED_TRACE(map);
    const int beeps = system.beeps;
    chooseBotMap(map);
    EXPECT_EQ(system.beeps, beeps + 1);
    expectMapStatus("WARNING: No waypoint file exist.", colours::kError);
    EXPECT_EQ(z.frmInfo.caption(), "bot.cfg");
    EXPECT_EQ(z.frmSturmbotCustom.caption(), std::string(map) + ".wpt");
  }
  z.chkSturmbotFF.operatorClick();
  EXPECT_EQ(z.frmInfo.caption(), "bot.cfg") << "a rebuild keeps the file in play";

  // The switch does not check again: back in per-map mode the map's own file is in play,
  // while what the check found stays.
  z.chkSturmbotFillserver.operatorClick();
  z.chkSturmbotFillserver.operatorClick();
  EXPECT_EQ(z.frmInfo.caption(), "dod_Case_bot.cfg");
  expectMapStatus("WARNING: No waypoint file exist.", colours::kError);
  EXPECT_FALSE(z.txtSturmbotName.enabled());
}

TEST_F(SturmbotPerMapTest, TheTeamsAreNamedByTheCountryOfTheMapsAllies) {
  Zarn& z = openPerMapPanel("3.0");
  struct Row {
    const char* map;
    const char* axis;
    const char* allies;
    bool alliesShown, britishShown;
  };
  const std::vector<Row> rows = {
      {"dod_ridge", "German", "U.S.", false, true},
      {"dod_orchard", "Axis", "Allies", true, false},  // the map does not tell
      {"dod_harbour", "German", "U.S.", true, false},
      {"dod_ridge", "German", "U.S.", false, true},
      {"dod_flak", "Axis", "Allies", true, false},  // no waypoints: no bots, no question
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.map);
    chooseBotMap(row.map);
    EXPECT_EQ(z.optSturmbotAxis1.caption(), row.axis);
    EXPECT_EQ(z.optSturmbotAllies1.caption(), row.allies);
    EXPECT_EQ(z.optSturmbotAllies1.visible(), row.alliesShown);
    EXPECT_EQ(z.optSturmbotAllies2.visible(), row.britishShown);
    EXPECT_EQ(z.optSturmbotAllies2.caption(), "British");
  }
  EXPECT_EQ(system.programsRun.size(), 3u) << "each map with waypoints exported once";
  EXPECT_TRUE(system.messages.empty());
  EXPECT_FALSE(system.busy);
}

TEST_F(SturmbotPerMapTest, SaveFileWritesTheMapsFileAndMarksTheStepOnlyOnceItIsWritten) {
  Zarn& z = openPerMapPanel("1.5");
  const std::string harbourFile = kSturmbotDir + "dod_harbour_bot.cfg";
  chooseBotMap("dod_harbour");
  addAxisBot();
  ASSERT_TRUE(z.cmdSturmbotSave.operable());
  system.refuseWritesTo(harbourFile);

  z.cmdSturmbotSave.operatorClick();

  expectOneAlertNaming(system, harbourFile);
  EXPECT_FALSE(system.exists(harbourFile));
  EXPECT_EQ(z.blnBotSaved, 0);
  EXPECT_EQ(z.optBotFile.backColor(), colours::kStepPending);

  // Save File stays offered across a map choice.
  chooseBotMap("dod_ridge");
  ASSERT_FALSE(z.cmdSturmbotOK.enabled());
  z.cmdSturmbotSave.operatorClick();

  EXPECT_EQ(system.fileContent(kSturmbotDir + "dod_ridge_bot.cfg"), perMapText("addbot 2 1 5 ") + "\r\n");
  EXPECT_EQ(z.blnBotSaved, 1);
  EXPECT_EQ(z.optBotFile.backColor(), colours::kStepSaved);
  EXPECT_TRUE(z.frmSturmbotSetup.visible());
  EXPECT_FALSE(z.cmdStart.enabled()) << "Start Server is weighed again by the next view";
  EXPECT_EQ(z.lblStatus.caption(), "Please select Bot Setup");
  z.chkSturmbotFF.operatorClick();
  EXPECT_TRUE(z.cmdStart.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "You can now Start Server");
}

TEST_F(SturmbotPerMapTest, DeleteFileRemovesTheMapsFileAndReturnsToFillServerMode) {
  Zarn& z = openPerMapPanel("1.5");
  const std::string ridgeFile = kSturmbotDir + "dod_ridge_bot.cfg";
  system.writeFile(ridgeFile, "older\r\n");
  chooseBotMap("dod_ridge");
  addAxisBot();
  chooseBotMap("dod_ridge");
  ASSERT_TRUE(z.cmdSturmbotDel.operable());

  // A file that cannot be deleted is reported and per-map mode stays.
  system.undeletable = true;
  z.cmdSturmbotDel.operatorClick();
  expectOneAlertNaming(system, ridgeFile);
  EXPECT_EQ(system.fileContent(ridgeFile), "older\r\n");
  EXPECT_FALSE(z.chkSturmbotFillserver.checked());
  EXPECT_TRUE(z.frmSturmbotCustom.operable());
  EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidthWide);
  EXPECT_EQ(z.frmInfo.caption(), "dod_ridge_bot.cfg");

  system.undeletable = false;
  z.cmdSturmbotDel.operatorClick();

  EXPECT_FALSE(system.exists(ridgeFile));
  EXPECT_EQ(system.messages.size(), 1u);
  expectFillServerPage();
  EXPECT_EQ(z.strAddBotLines, "addbot 2 1 5 ") << "the bots belong to no file";
  EXPECT_EQ(z.blnBotSaved, 0);

  // A file gone since the map was chosen: nothing to delete, fill-server mode all the same.
  z.chkSturmbotFillserver.operatorClick();
  system.writeFile(ridgeFile, "older\r\n");
  chooseBotMap("dod_ridge");
  ASSERT_TRUE(z.cmdSturmbotDel.operable());
  std::filesystem::remove(system.hostPath(ridgeFile));
  z.cmdSturmbotDel.operatorClick();
  EXPECT_EQ(system.messages.size(), 1u);
  expectFillServerPage();
}

// The enabled state of the page's Save, the panel's buttons and the entry controls after
// each event: on ('+'), off ('-') or as they were ('.'). "As they were" is tested from both
// states; the control the operator uses stays enabled for it. An event that rebuilds the page
// in per-map mode also turns Delete File off, as the view does.
TEST_F(SturmbotPerMapTest, EachEventSetsTheButtonsItNamesAndLeavesTheOthers) {
  Zarn& z = openPerMapPanel("1.5");
  const std::vector<std::vector<forms::Control*>> columns = {
      {&z.cmdSturmbotOK}, {&z.cmdSturmbotSave}, {&z.cmdSturmbotDel}, {&z.cmdSturmbotAdd}, {&z.cmdSturmbotClear},
      entryControls()};
  auto setPerMap = [&](bool perMap) {
    if (z.chkSturmbotFillserver.checked() == !perMap) return;
    if (!z.frmSturmbotSetup.visible()) reopen(z.optBotFile);
    z.chkSturmbotFillserver.operatorClick();
  };
  auto perMapWith = [&](const std::string& map) {
    return [&, map] {
      setPerMap(true);
      chooseBotMap(map);
    };
  };
  auto press = [](forms::CommandButton& button) { return [&button] { button.operatorClick(); }; };
  struct Row {
    const char* event;
    std::function<void()> prepare;
    forms::Control* used;
    std::function<void()> act;
    const char* states;  // Save, Save File, Delete File, Add Bot, Clear Bots, entry controls
  };
  system.writeFile(kSturmbotDir + "dod_harbour_bot.cfg", "older\r\n");
  system.writeFile(kSturmbotDir + "dod_Case_bot.cfg", "older\r\n");
  const std::vector<Row> rows = {
      {"switch to fill-server mode", [&] { setPerMap(true); }, &z.chkSturmbotFillserver,
       [&] { z.chkSturmbotFillserver.operatorClick(); }, "+....."},
      {"switch to per-map mode", [&] { setPerMap(false); }, &z.chkSturmbotFillserver,
       [&] { z.chkSturmbotFillserver.operatorClick(); }, "-----."},
      {"map with a waypoint file", [&] { setPerMap(true); }, &z.cmbSturmbotMapList,
       [&] { chooseBotMap("dod_ridge"); }, "-.-.-+"},
      {"map with a waypoint file and its bot file", [&] { setPerMap(true); }, &z.cmbSturmbotMapList,
       [&] { chooseBotMap("dod_harbour"); }, "-.+.-+"},
      {"map without a waypoint file", [&] { setPerMap(true); }, &z.cmbSturmbotMapList,
       [&] { chooseBotMap("dod_flak"); }, "-.----"},
      {"map without a waypoint file but with an older bot file", [&] { setPerMap(true); }, &z.cmbSturmbotMapList,
       [&] { chooseBotMap("dod_Case"); }, "-.+---"},
      {"Save File", perMapWith("dod_ridge"), &z.cmdSturmbotSave, press(z.cmdSturmbotSave), "+....."},
      {"Delete File", perMapWith("dod_harbour"), &z.cmdSturmbotDel, press(z.cmdSturmbotDel), "+....."},
      {"page view in per-map mode", [&] { setPerMap(true); }, &z.optBotFile, [&] { reopen(z.optBotFile); },
       "..-..."},
      {"a Sturmbot setting changed", [&] { setPerMap(true); }, &z.chkSturmbotFF,
       [&] { z.chkSturmbotFF.operatorClick(); }, "+.-..."},
      {"class picked",
       [&] {
         perMapWith("dod_ridge")();
         z.optSturmbotAxis1.operatorPress();
       },
       &z.cmbSturmbotClass, [&] { z.cmbSturmbotClass.operatorPick(1); }, "...+.."},
      {"Add Bot", perMapWith("dod_ridge"), &z.cmdSturmbotAdd, press(z.cmdSturmbotAdd), ".+-.+."},
      {"Clear Bots", perMapWith("dod_ridge"), &z.cmdSturmbotClear, press(z.cmdSturmbotClear), "+.-..."},
      // Also the page reset: the page's Save on.
      {"choice of dod with Sturmbot", [] {}, &z.cmbModList, [&] { chooseMod("dod"); }, "+..--."},
  };
  for (const Row& row : rows) {
    for (const bool before : {false, true}) {
      SCOPED_TRACE(std::string(row.event) + (before ? ", all on before" : ", all off before"));
      row.prepare();
      for (const auto& column : columns)
        for (forms::Control* control : column) control->setEnabled(before);
      row.used->setEnabled(true);
      ASSERT_TRUE(row.used->operable()) << row.used->name();

      row.act();

      for (std::size_t c = 0; c < columns.size(); ++c) {
        const char state = row.states[c];
        for (const forms::Control* control : columns[c]) {
          if (control == row.used) continue;
          EXPECT_EQ(control->enabled(), state == '.' ? before : state == '+') << control->name();
        }
      }
    }
  }
}

}  // namespace
