#include <functional>

#include "app/colours.h"
#include "support/game_folder.h"

namespace {

// The Sturmbot 1.5 text in per-map mode: the addbot lines in place of "fillserver".
std::string perMapText(const std::string& addBotLines) {
  return kSturmbot15Text.substr(0, kSturmbot15Text.rfind("fillserver")) + addBotLines;
}

class SturmbotPerMapTest : public ZarnTest {
 protected:
  // dod's Bot Setup page opened in per-map mode. The per-map list holds, after the first
  // map dod_ridge: dod_ridge (British Allies), dod_harbour (U.S.) and dod_orchard (not told),
  // each with its waypoint file; dod_flak without one; dod_Case, whose waypoint file is
  // stored as dod_case.wpt.
  // The mod folder may be named `dod` in other letter case.
  Zarn& openPerMapPanel(const std::string& sturmbotVersion, const std::string& modFolder = "dod") {
    const std::vector<std::string> maps = {"dod_ridge", "dod_harbour", "dod_orchard", "dod_flak", "dod_Case"};
    buildGameFolder(system, {{modFolder, "Day of Defeat", maps}});
    installBot(system, "dod", sturmbotVersion);
    start();
    saveThrough(kMotd, modFolder, maps);
    for (const std::string& map : maps) writeDodMap(system, map, map == "dod_ridge" ? "1" : map == "dod_orchard" ? "" : "0");
    for (const char* waypoints : {"dod_ridge", "dod_harbour", "dod_orchard", "dod_case"})
      system.writeFile(kSturmbotDir + "waypoints\\" + waypoints + ".wpt", "stand-in");
    zarn->optBotFile.operatorPress();
    zarn->chkSturmbotFillserver.operatorClick();
    EXPECT_TRUE(zarn->frmSturmbotCustom.operable());
    return *zarn;
  }
  void chooseBotMap(const std::string& map) { pick(zarn->cmbSturmbotMapList, map); }
  void expectFillServerPage() {
    const Zarn& z = *zarn;
    EXPECT_TRUE(z.chkSturmbotFillserver.checked());
    EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidth);
    EXPECT_FALSE(z.frmSturmbotCustom.visible());
    EXPECT_EQ(z.frmInfo.caption(), "bot.cfg");
    EXPECT_EQ(z.txtFileContents.text(), kSturmbot15Text);
  }
  void addBot(forms::OptionButton& team, const std::string& botClass) {
    team.operatorPress();
    pick(zarn->cmbSturmbotClass, botClass);
    zarn->cmdSturmbotAdd.operatorClick();
  }
};

TEST_F(SturmbotPerMapTest, TheSwitchWidensThePageForThePanelAndModSelectionNarrowsItUnseen) {
  Zarn& z = openPerMapPanel("1.5");
  EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidthWide);
  EXPECT_EQ(z.intFrameWidthWide, z.frmControlCenter.width() + z.frmInfo.width());
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

  // Choosing the mod again returns to fill-server mode without opening the page.
  chooseMod("dod");
  EXPECT_TRUE(z.chkSturmbotFillserver.checked());
  EXPECT_EQ(z.frmSturmbotSetup.width(), z.intFrameWidth);
  EXPECT_EQ(z.strBotFileName, "bot.cfg");
  EXPECT_FALSE(z.frmSturmbotSetup.visible());
  EXPECT_TRUE(system.programsRun.empty()) << "class types: the Allies' country is never asked";
}

// A map's waypoint file is looked for by its exact name; for weapon classes the teams are
// named by the country of the map's Allies, asked once per map with waypoints.
TEST_F(SturmbotPerMapTest, AMapIsCheckedForItsWaypointFileAndItsAlliesCountry) {
  Zarn& z = openPerMapPanel("3.0");
  const std::string shown = z.txtFileContents.text();
  struct Row {
    const char* map;
    bool waypoints;
    const char* axis;
    const char* allies;
    bool alliesShown, britishShown;
  };
  for (const Row& row : {Row{"dod_ridge", true, "German", "U.S.", false, true},
                         Row{"dod_orchard", true, "Axis", "Allies", true, false},  // the map does not tell
                         Row{"dod_harbour", true, "German", "U.S.", true, false},
                         Row{"dod_ridge", true, "German", "U.S.", false, true},
                         Row{"dod_flak", false, "Axis", "Allies", true, false},
                         Row{"dod_Case", false, "Axis", "Allies", true, false}}) {  // dod_case.wpt
    SCOPED_TRACE(row.map);
    const int beeps = system.beeps;
    chooseBotMap(row.map);
    EXPECT_EQ(z.frmSturmbotCustom.caption(), std::string(row.map) + ".wpt");
    EXPECT_EQ(z.frmInfo.caption(), row.waypoints ? std::string(row.map) + "_bot.cfg" : "bot.cfg");
    EXPECT_EQ(z.lblSturmbotMapStatus.caption(), row.waypoints ? "Waypoint file exists." : "WARNING: No waypoint file exist.");
    EXPECT_EQ(z.lblSturmbotMapStatus.foreColor(), row.waypoints ? colours::kPrompt : colours::kError);
    EXPECT_EQ(system.beeps, beeps + !row.waypoints);
    EXPECT_EQ(z.optSturmbotAxis1.caption(), row.axis);
    EXPECT_EQ(z.optSturmbotAllies1.caption(), row.allies);
    EXPECT_EQ(z.optSturmbotAllies1.visible(), row.alliesShown);
    EXPECT_EQ(z.optSturmbotAllies2.visible(), row.britishShown);
  }
  EXPECT_EQ(system.programsRun.size(), 3u) << "each map with waypoints exported once";
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(z.txtFileContents.text(), shown) << "the text waits for the next rebuild";
  z.chkSturmbotFF.operatorClick();
  EXPECT_EQ(z.frmInfo.caption(), "bot.cfg") << "a rebuild keeps the file in play";

  // The switch does not check again: back in per-map mode the map's own file is in play,
  // while what the check found stays.
  z.chkSturmbotFillserver.operatorClick();
  z.chkSturmbotFillserver.operatorClick();
  EXPECT_EQ(z.frmInfo.caption(), "dod_Case_bot.cfg");
  EXPECT_EQ(z.lblSturmbotMapStatus.caption(), "WARNING: No waypoint file exist.");
}

// Save File writes the map's file before it marks the step; Delete File removes it and
// returns to fill-server mode, while a file that cannot be deleted is reported and stays.
TEST_F(SturmbotPerMapTest, SaveFileAndDeleteFileActOnTheMapsFile) {
  Zarn& z = openPerMapPanel("1.5");
  const std::string harbourFile = kSturmbotDir + "dod_harbour_bot.cfg", ridgeFile = kSturmbotDir + "dod_ridge_bot.cfg";
  chooseBotMap("dod_harbour");
  addBot(z.optSturmbotAxis1, "1-Grenadier");
  system.refuseWritesTo(harbourFile);
  z.cmdSturmbotSave.operatorClick();
  expectOneAlertNaming(system, harbourFile);
  EXPECT_EQ(z.blnBotSaved, 0);
  EXPECT_FALSE(z.cmdSturmbotOK.enabled());
  chooseBotMap("dod_ridge");  // Save File stays offered across a map choice
  z.cmdSturmbotSave.operatorClick();
  EXPECT_EQ(system.fileContent(ridgeFile), perMapText("addbot 2 1 5 ") + "\r\n");
  EXPECT_EQ(z.blnBotSaved, 1);
  EXPECT_EQ(z.optBotFile.backColor(), colours::kStepSaved);
  EXPECT_FALSE(z.cmdStart.enabled()) << "Start Server is weighed again by the next view";
  reopen(z.optBotFile);
  EXPECT_TRUE(z.cmdStart.enabled());

  chooseBotMap("dod_ridge");
  system.undeletable = true;
  z.cmdSturmbotDel.operatorClick();
  EXPECT_EQ(system.messages.size(), 2u);
  EXPECT_NE(system.messages.back().text.find(ridgeFile), std::string::npos);
  EXPECT_TRUE(system.exists(ridgeFile));
  EXPECT_TRUE(z.frmSturmbotCustom.operable());
  EXPECT_EQ(z.frmInfo.caption(), "dod_ridge_bot.cfg");
  system.undeletable = false;
  z.cmdSturmbotDel.operatorClick();
  EXPECT_FALSE(system.exists(ridgeFile));
  expectFillServerPage();
  EXPECT_EQ(z.strAddBotLines, "addbot 2 1 5 ") << "the bots belong to no file";

  // A file gone since the map was chosen: nothing to delete, fill-server mode all the same.
  z.chkSturmbotFillserver.operatorClick();
  system.writeFile(ridgeFile, "older\r\n");
  chooseBotMap("dod_ridge");
  system.remove(ridgeFile);
  z.cmdSturmbotDel.operatorClick();
  EXPECT_EQ(system.messages.size(), 2u);
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
      {&z.txtSturmbotName, &z.cmbSturmbotSkill, &z.optSturmbotAllies1, &z.optSturmbotAllies2, &z.optSturmbotAxis1,
       &z.cmbSturmbotClass}};
  auto setPerMap = [&](bool perMap) {
    if (z.chkSturmbotFillserver.checked() == !perMap) return;
    if (!z.frmSturmbotSetup.visible()) reopen(z.optBotFile);
    z.chkSturmbotFillserver.operatorClick();
  };
  auto perMap = [&] { setPerMap(true); };
  auto perMapWith = [&](const std::string& map) {
    return [&, map] {
      setPerMap(true);
      chooseBotMap(map);
    };
  };
  auto press = [](forms::CommandButton& button) { return [&button] { button.operatorClick(); }; };
  auto choose = [&](const std::string& map) { return [&, map] { chooseBotMap(map); }; };
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
      {"switch to fill-server mode", perMap, &z.chkSturmbotFillserver, [&] { z.chkSturmbotFillserver.operatorClick(); },
       "+....."},
      {"switch to per-map mode", [&] { setPerMap(false); }, &z.chkSturmbotFillserver,
       [&] { z.chkSturmbotFillserver.operatorClick(); }, "-----."},
      {"map with a waypoint file", perMap, &z.cmbSturmbotMapList, choose("dod_ridge"), "-.-.-+"},
      {"map with a waypoint file and its bot file", perMap, &z.cmbSturmbotMapList, choose("dod_harbour"), "-.+.-+"},
      {"map without a waypoint file", perMap, &z.cmbSturmbotMapList, choose("dod_flak"), "-.----"},
      {"map without a waypoint file but with an older bot file", perMap, &z.cmbSturmbotMapList, choose("dod_Case"),
       "-.+---"},
      {"Save File", perMapWith("dod_ridge"), &z.cmdSturmbotSave, press(z.cmdSturmbotSave), "+....."},
      {"Delete File", perMapWith("dod_harbour"), &z.cmdSturmbotDel, press(z.cmdSturmbotDel), "+....."},
      {"page view in per-map mode", perMap, &z.optBotFile, [&] { reopen(z.optBotFile); }, "..-..."},
      {"a Sturmbot setting changed", perMap, &z.chkSturmbotFF, [&] { z.chkSturmbotFF.operatorClick(); }, "+.-..."},
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

      for (std::size_t c = 0; c < columns.size(); ++c)
        for (const forms::Control* control : columns[c]) {
          if (control == row.used) continue;
          EXPECT_EQ(control->enabled(), row.states[c] == '.' ? before : row.states[c] == '+') << control->name();
        }
    }
  }
}

// The panel's class lists, like every other rule for dod, take the mod folder in any case.
TEST_F(SturmbotPerMapTest, AModFolderNamedInCapitalsGetsItsBotsToo) {
  Zarn& z = openPerMapPanel("1.5", "DoD");
  chooseBotMap("dod_ridge");
  addBot(z.optSturmbotAxis1, "1-Grenadier");
  z.cmdSturmbotSave.operatorClick();
  EXPECT_EQ(system.fileContent(kGameDir + "DoD\\sturmbot\\dod_ridge_bot.cfg"), perMapText("addbot 2 1 5 ") + "\r\n");
}

// A team option loads its classes; a pick from the class list offers Add Bot, which adds
// one line for the bot as entered, for whatever map is shown; Clear Bots empties them.
TEST_F(SturmbotPerMapTest, AddBotAppendsOneLineWithTheFieldsAsEntered) {
  Zarn& z = openPerMapPanel("3.0");
  chooseBotMap("dod_harbour");
  z.cmbSturmbotClass.operatorType("2-Staff Sergeant");
  EXPECT_FALSE(z.cmdSturmbotAdd.enabled()) << "only a pick from the list offers Add Bot";
  // Without a team Add Bot adds no line, but shows the text again.
  z.cmdSturmbotAdd.setEnabled(true);
  z.cmbSturmbotBlood.operatorType("3-Explode");  // shown by the next rebuild
  z.cmdSturmbotAdd.operatorClick();
  EXPECT_EQ(z.strAddBotLines, "");
  EXPECT_NE(z.txtFileContents.text().find("\r\nbloodmode 3\r\n"), std::string::npos);
  z.optSturmbotAllies1.operatorPress();
  EXPECT_EQ(z.cmbSturmbotClass.items(),
            (std::vector<std::string>{"1-Rifleman", "2-Staff Sergeant", "3-Master Sergeant", "4-Sergeant", "5-Sniper",
                                      "6-Support Infantry", "7-Machine Gunner"}));
  EXPECT_EQ(z.cmbSturmbotClass.text(), "2-Staff Sergeant") << "no class is picked for the operator";
  z.txtSturmbotName.operatorType("Dufus");
  addBot(z.optSturmbotAllies1, "2-Staff Sergeant");
  addBot(z.optSturmbotAxis1, "3-Unteroffizier");
  EXPECT_EQ(z.cmbSturmbotClass.items(),
            (std::vector<std::string>{"1-Grenadier", "2-Stosstruppe", "3-Unteroffizier", "4-Sturmtruppe",
                                      "5-Scharfsch\u00fctze", "6-MG34-Sch\u00fctze", "7-MG42-Sch\u00fctze"}));

  // The British are team 1 too; a skill and a name are written as typed.
  chooseBotMap("dod_ridge");
  z.optSturmbotAllies2.operatorPress();
  EXPECT_EQ(z.cmbSturmbotClass.items(), (std::vector<std::string>{"1-Rifleman", "2-Sergeant Major", "3-Marksman", "4-Gunner"}));
  z.cmbSturmbotSkill.operatorType("12");
  z.txtSturmbotName.operatorType(" Big  Al");
  addBot(z.optSturmbotAllies2, "3-Marksman");
  // Another team replaces the class list but not the box's text: Add Bot takes what the box
  // shows; empty fields leave their blanks. The British option, hidden by a map with U.S.
  // Allies, is still the selected team 1.
  z.optSturmbotAxis1.operatorPress();
  z.cmdSturmbotAdd.operatorClick();
  z.cmbSturmbotClass.operatorType("");
  z.cmbSturmbotSkill.operatorType("");
  z.cmdSturmbotAdd.operatorClick();
  addBot(z.optSturmbotAllies2, "4-Gunner");
  chooseBotMap("dod_harbour");
  ASSERT_FALSE(z.optSturmbotAllies2.visible());
  z.cmdSturmbotAdd.operatorClick();
  const std::string lines = "addbot 1 2 5 Dufus\r\naddbot 2 3 5 Dufus\r\naddbot 1 3 12  Big  Al\r\naddbot 2 3 12  Big  Al\r\n"
                            "addbot 2    Big  Al\r\naddbot 1 4   Big  Al\r\naddbot 1 4   Big  Al";
  EXPECT_EQ(z.strAddBotLines, lines);
  EXPECT_TRUE(z.txtFileContents.text().ends_with("maxbodies 12\r\n\r\n" + lines)) << z.txtFileContents.text();

  z.cmdSturmbotClear.operatorClick();
  EXPECT_TRUE(z.txtFileContents.text().ends_with("maxbodies 12\r\n\r\n")) << z.txtFileContents.text();
  EXPECT_TRUE(z.cmdSturmbotSave.enabled()) << "Save File keeps its state";
}

}  // namespace
