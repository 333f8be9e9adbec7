#include "app/colours.h"
#include "support/game_folder.h"

namespace {

TEST_F(ZarnTest, StartUpWithoutSettingsListsTheModsAndAsksForOne) {
  buildGameFolder(system, {{"valve", "Half-Life", {}}, {"dod", "Day of Defeat", {}}, {"Zeta", "Zeta mod", {}}});
  system.makeFolder(kGameDir + "logos");  // no liblist.gam: not a mod
  system.writeFile(kGameDir + "cstrike\\LIBLIST.GAM", "game \"x\"\r\n");  // wrong case: not a mod

  Zarn& z = start();

  EXPECT_EQ(z.txtExec.text(), "C:\\Sierra\\Half-Life\\hl.exe");
  EXPECT_EQ(z.cmbModList.items(), (std::vector<std::string>{"dod", "valve", "Zeta"}));
  EXPECT_EQ(z.lblStatus.caption(), "Please select a Mod:");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_TRUE(z.cmbModList.enabled());
  EXPECT_EQ(system.fileContent("C:\\WINDOWS\\zarn.ini"), "path C:\\Sierra\\Half-Life\\\r\noptions -heapsize 64000\r\n");
  EXPECT_EQ(system.listings, 1) << "the second check finds the folder searched already";
  EXPECT_TRUE(system.startedCommands.empty());
  EXPECT_FALSE(system.busy);
  EXPECT_FALSE(system.exists("C:\\TEMP\\zarntmp"));

  // Nothing that the start-up views showed is left in sight.
  for (const forms::Control* hidden : std::initializer_list<const forms::Control*>{
           &z.frmInfo, &z.frmCommandLine, &z.frmServerFile, &z.frmMapSetup, &z.frmSturmbotSetup, &z.picSplash, &z.optBotFile})
    EXPECT_FALSE(hidden->visible()) << hidden->name();
  for (const forms::OptionButton* step : {&z.optCommandLine, &z.optServerFile, &z.optMapFile, &z.optMotd, &z.optBotFile}) {
    EXPECT_FALSE(step->enabled()) << step->name();
    EXPECT_EQ(step->backColor(), colours::kStepPending) << step->name();
  }
  EXPECT_FALSE(z.cmdStart.enabled());
  EXPECT_TRUE(z.cmdServerOK.enabled());
  EXPECT_TRUE(z.cmdSturmbotOK.enabled());
  for (const forms::CommandButton* off : {&z.cmdCommandOK, &z.cmdMapOK, &z.cmdAddMap, &z.cmdEditFile, &z.cmdSaveFile})
    EXPECT_FALSE(off->enabled()) << off->name();
  EXPECT_EQ(z.lblModSupport.caption(), "");
  EXPECT_EQ(z.blnCommandSaved + z.blnServerSaved + z.blnMapCycleSaved + z.blnMotdSaved + z.blnBotSaved + z.blnModSelected, 0);

  EXPECT_EQ(z.cmbMaxPlayers.listCount(), 32);
  EXPECT_EQ(z.cmbMaxPlayers.text(), "8");
  EXPECT_EQ(z.cmbPort.listCount(), 5);
  EXPECT_EQ(z.cmbLimitAxis.listCount(), 34);
  EXPECT_EQ(z.cmbLimitAllies.list(0), "-1");
  EXPECT_EQ(z.cmbLimitAllies.list(33), "32");
  EXPECT_EQ(z.cmbSturmbotSkill.text(), "5");
  EXPECT_EQ(z.txtExtra2.text(), "sv_maxspectators 4\r\n");
  EXPECT_EQ(z.txtHostName.text(), "My HL server.");
  EXPECT_EQ(z.intFrameWidth, 5055);
  EXPECT_EQ(z.intFrameWidthWide, 9630);
}

TEST_F(ZarnTest, StartUpWithoutTheExecutableReportsItTwiceAndKeepsTheSettings) {
  system.writeFile("C:\\WINDOWS\\zarn.ini", "path C:\\Games\\HL\\\r\noptions -dev\r\n");

  Zarn& z = start();

  EXPECT_EQ(z.txtExec.text(), "C:\\Games\\HL\\hl.exe");
  EXPECT_EQ(z.txtExtra1.text(), "-dev");
  EXPECT_EQ(z.lblStatus.caption(), "Error: Please fix Exec path!");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_FALSE(z.cmbModList.enabled());
  EXPECT_EQ(system.beeps, 2);
  EXPECT_EQ(system.listings, 0);
  EXPECT_EQ(system.fileContent("C:\\WINDOWS\\zarn.ini"), "path C:\\Games\\HL\\\r\noptions -dev\r\n");
}

}  // namespace

namespace {

// A path without a drive letter is not checked: the status line keeps what the start-up
// views left, which tells the order in which they ran.
TEST_F(ZarnTest, AnUncheckedPathKeepsTheLastStartUpViewsPrompt) {
  system.writeFile("C:\\WINDOWS\\zarn.ini", "path \\\\server\\hl\\\r\n");
  Zarn& z = start();
  EXPECT_EQ(z.lblStatus.caption(), "Server Configuration ok?");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_TRUE(z.cmbModList.items().empty());

  FakePlatform withOptions;
  withOptions.writeFile("C:\\WINDOWS\\zarn.ini", "path \\\\server\\hl\\\r\noptions -dev\r\n");
  Zarn other(withOptions);
  other.Form_Load();
  EXPECT_EQ(other.lblStatus.caption(), "Please select First Map:");
  EXPECT_FALSE(other.frmCommandLine.visible());
}

}  // namespace
