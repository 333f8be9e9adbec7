#include "support/game_folder.h"

namespace {

const std::string kListenServerCfg = kGameDir + "dod\\zarn_lserver.cfg";

TEST_F(ZarnTest, EveryInputRebuildsTheServerFileInTheServersOrderWhileTheSavedStepStays) {
  Zarn& z = startWith({{"dod", "Day of Defeat", {"dod_anzio"}}});
  saveThrough(kServerFile, "dod", {"dod_anzio"});
  const std::string saved = system.fileContent(kListenServerCfg);
  reopen(z.optServerFile);
  ASSERT_FALSE(z.cmdServerOK.enabled());

  for (forms::CheckBox* box : {&z.chkFlashlight, &z.chkDeathMsgs, &z.chkLAN}) box->operatorClick();
  z.txtTeamLimit.operatorType("");
  EXPECT_EQ(z.txtFileContents.text(),
            "hostname \"My dod server.\"\r\nmp_friendlyfire 1\r\nmp_footsteps 1\r\nmp_flashlight 0\r\nmp_deathmsg 0\r\n"
            "mp_falldamage 1\r\nsv_lan 1\r\nmp_teamlimit \r\nmp_timelimit 30\r\nsv_maxspectators 4\r\n");
  // A change after Save offers Save again and leaves the step and its file as saved.
  EXPECT_TRUE(z.cmdServerOK.enabled());
  EXPECT_EQ(z.blnServerSaved, 1);
  EXPECT_EQ(system.fileContent(kListenServerCfg), saved);

  for (forms::CheckBox* box : {&z.chkFriendlyFire, &z.chkFootSteps, &z.chkFallDamage}) box->operatorClick();
  z.txtMapTime.operatorType("ten");
  z.txtExtra2.operatorType("sv_gravity 800\r\nsv_aim 0");
  const std::string rebuilt =
      "\r\nmp_friendlyfire 0\r\nmp_footsteps 0\r\nmp_flashlight 0\r\nmp_deathmsg 0\r\n"
      "mp_falldamage 0\r\nsv_lan 1\r\nmp_teamlimit \r\nmp_timelimit ten\r\nsv_gravity 800\r\nsv_aim 0";
  EXPECT_EQ(z.txtFileContents.text(), "hostname \"My dod server.\"" + rebuilt);
  z.txtHostName.operatorType("Tom's \"best\"");
  EXPECT_EQ(z.txtFileContents.text(), "hostname \"My dod server.\"" + rebuilt) << "typing the host name does not rebuild";
  z.cmdServerOK.operatorClick();
  EXPECT_EQ(system.fileContent(kListenServerCfg), "hostname \"Tom's \"best\"\"" + rebuilt + "\r\n");

  reopen(z.optServerFile);
  z.chkLAN.operatorClick();
  z.chkLAN.operatorClick();
  EXPECT_TRUE(z.cmdServerOK.enabled()) << "a box checked and cleared again still offers Save";
}

TEST_F(ZarnTest, ADedicatedServerGetsZarnServerCfg) {
  Zarn& z = startWith({{"dod", "Day of Defeat", {"dod_anzio"}}});
  saveThrough(kCommandLine, "dod", {"dod_anzio"});
  z.optCommandLine.operatorPress();
  z.chkDedicated.operatorClick();
  z.optServerFile.operatorPress();
  EXPECT_EQ(z.frmInfo.caption(), "zarn_server.cfg");
  z.cmdServerOK.operatorClick();
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\zarn_server.cfg"), z.strServerText + "\r\n");
  EXPECT_FALSE(system.exists(kListenServerCfg));
}

TEST_F(ZarnTest, AnEditedMessageIsSavedAsTypedAndEditedFurtherFromThere) {
  installBot(system, "firearms");
  Zarn& z = startWith({{"firearms", "Sample", {"m1"}}});
  saveThrough(kMapCycle, "firearms", {"m1"});
  const std::string file = kGameDir + "firearms\\zarn_motd.txt";
  z.optMotd.operatorPress();
  EXPECT_FALSE(z.txtFileContents.locked());
  EXPECT_FALSE(z.cmdEditFile.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Like the Welcome Message?");
  z.txtFileContents.operatorType("Welcome!\r\nNo camping.\r\n\r\nHave fun");
  z.cmdSaveFile.operatorClick();

  EXPECT_EQ(system.fileContent(file), "Welcome!\r\nNo camping.\r\n\r\nHave fun\r\n");
  EXPECT_TRUE(z.optBotFile.enabled());
  EXPECT_TRUE(z.txtFileContents.locked());
  EXPECT_TRUE(z.cmdEditFile.enabled());
  z.cmdEditFile.operatorClick();
  EXPECT_FALSE(z.txtFileContents.locked());
  EXPECT_EQ(z.txtFileContents.text(), "Welcome!\r\nNo camping.\r\n\r\nHave fun");
  z.txtFileContents.operatorType("");
  z.cmdSaveFile.operatorClick();
  EXPECT_EQ(system.fileContent(file), "\r\n");

  // A new host name is proposed only when the page is opened again; an edit left unsaved goes.
  z.optServerFile.operatorPress();
  z.txtHostName.operatorType("Frontline");
  z.cmdServerOK.operatorClick();
  z.optMotd.operatorPress();
  z.txtFileContents.operatorType("edited, then left");
  z.optMapFile.operatorPress();
  EXPECT_TRUE(z.txtFileContents.locked());
  EXPECT_FALSE(z.cmdSaveFile.enabled()) << "another page's preview is no message to save";
  z.optMotd.operatorPress();
  EXPECT_EQ(z.txtFileContents.text(), "Welcome to Frontline");
  EXPECT_EQ(system.fileContent(file), "\r\n");
}

// For a mod without a bot the message is the last step: Start Server is offered, each page
// view then ends with the preview hidden, and an input shows it again.
TEST_F(ZarnTest, OnceStartServerIsOfferedTheViewsHideThePreviewAndInputsShowIt) {
  Zarn& z = startWith({{"valve", "Half-Life", {"m1"}}});
  saveThrough(kMotd, "valve", {"m1"});
  EXPECT_TRUE(z.cmdStart.enabled());
  EXPECT_FALSE(z.optBotFile.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "You can now Start Server");
  for (forms::OptionButton* page : {&z.optMotd, &z.optServerFile}) {
    reopen(*page);
    EXPECT_FALSE(z.frmInfo.visible()) << page->name();
  }
  z.chkLAN.operatorClick();
  EXPECT_TRUE(z.frmInfo.visible());
  z.cmdServerOK.operatorClick();
  EXPECT_EQ(z.lblStatus.caption(), "You can now Start Server") << "the gate's text replaces the page's prompt";
}

}  // namespace
