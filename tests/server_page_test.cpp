#include "app/colours.h"
#include "support/page_road.h"

namespace {

const std::string kStartText =
    "hostname \"My dod server.\"\r\nmp_friendlyfire 1\r\nmp_footsteps 1\r\nmp_flashlight 1\r\nmp_deathmsg 1\r\n"
    "mp_falldamage 1\r\nsv_lan 0\r\nmp_teamlimit 2\r\nmp_timelimit 30\r\nsv_maxspectators 4\r\n";

class ServerPageTest : public PageRoadTest {
 protected:
  Zarn& openServerPage() {
    Zarn& z = startWith({{"dod", "Day of Defeat", {"dod_anzio", "dod_flash"}}});
    saveCommandLine("dod", "dod_anzio");
    z.optServerFile.operatorPress();
    return z;
  }
};

TEST_F(ServerPageTest, TheStartValuesAreShownAndSavedAsTheListenServersFile) {
  Zarn& z = openServerPage();

  EXPECT_EQ(z.txtFileContents.text(), kStartText);
  EXPECT_EQ(z.frmInfo.caption(), "zarn_lserver.cfg");
  EXPECT_TRUE(z.frmInfo.visible());
  expectReadOnlyPreview(z);
  EXPECT_TRUE(z.frmServerFile.visible());
  EXPECT_FALSE(z.frmCommandLine.visible());
  EXPECT_EQ(z.lblStatus.caption(), "Server Configuration ok?");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_TRUE(z.cmdServerOK.enabled()) << "a page left at its start values can be saved at once";

  z.cmdServerOK.operatorClick();

  EXPECT_EQ(system.fileContent(kGameDir + "dod\\zarn_lserver.cfg"), kStartText + "\r\n");
  EXPECT_FALSE(system.exists(kGameDir + "dod\\zarn_server.cfg"));
  EXPECT_EQ(z.blnServerSaved, 1);
  EXPECT_EQ(z.optServerFile.backColor(), colours::kStepSaved);
  EXPECT_TRUE(z.optMapFile.enabled());
  EXPECT_FALSE(z.cmdServerOK.enabled());
  EXPECT_FALSE(z.frmServerFile.visible());
  EXPECT_TRUE(z.frmInfo.visible()) << "the saved text stays in sight";
  EXPECT_EQ(z.txtFileContents.text(), kStartText);
  EXPECT_EQ(z.lblStatus.caption(), "Please select Map Cycle");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
}

TEST_F(ServerPageTest, EveryInputRebuildsTheTextInTheServersOrderWhileTheSavedStepStays) {
  Zarn& z = openServerPage();
  z.cmdServerOK.operatorClick();
  reopen(z.optServerFile);

  z.chkFlashlight.operatorClick();
  // A change after Save offers Save again and leaves the step and its file as saved.
  EXPECT_TRUE(z.cmdServerOK.enabled());
  EXPECT_EQ(z.blnServerSaved, 1);
  EXPECT_EQ(z.optServerFile.backColor(), colours::kStepSaved);
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\zarn_lserver.cfg"), kStartText + "\r\n");
  z.chkDeathMsgs.operatorClick();
  z.chkLAN.operatorClick();
  z.txtTeamLimit.operatorType("");
  z.txtMapTime.operatorType("ten");
  z.txtExtra2.operatorType("");
  EXPECT_EQ(z.txtFileContents.text(),
            "hostname \"My dod server.\"\r\nmp_friendlyfire 1\r\nmp_footsteps 1\r\nmp_flashlight 0\r\n"
            "mp_deathmsg 0\r\nmp_falldamage 1\r\nsv_lan 1\r\nmp_teamlimit \r\nmp_timelimit ten\r\n");

  z.chkFriendlyFire.operatorClick();
  z.chkFootSteps.operatorClick();
  z.chkFallDamage.operatorClick();
  z.txtExtra2.operatorType("sv_gravity 800\r\nsv_aim 0");
  const std::string rebuilt =
      "hostname \"My dod server.\"\r\nmp_friendlyfire 0\r\nmp_footsteps 0\r\nmp_flashlight 0\r\n"
      "mp_deathmsg 0\r\nmp_falldamage 0\r\nsv_lan 1\r\nmp_teamlimit \r\nmp_timelimit ten\r\nsv_gravity 800\r\nsv_aim 0";
  EXPECT_EQ(z.txtFileContents.text(), rebuilt);

  z.txtHostName.operatorType("Tom's \"best\"");
  EXPECT_EQ(z.txtFileContents.text(), rebuilt) << "typing the host name does not rebuild";
  EXPECT_EQ(z.strServerText, rebuilt);

  z.cmdServerOK.operatorClick();
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\zarn_lserver.cfg"),
            "hostname \"Tom's \"best\"\"\r\nmp_friendlyfire 0\r\nmp_footsteps 0\r\nmp_flashlight 0\r\n"
            "mp_deathmsg 0\r\nmp_falldamage 0\r\nsv_lan 1\r\nmp_teamlimit \r\nmp_timelimit ten\r\nsv_gravity 800\r\n"
            "sv_aim 0\r\n");

  reopen(z.optServerFile);
  z.chkLAN.operatorClick();
  z.chkLAN.operatorClick();
  EXPECT_TRUE(z.cmdServerOK.enabled()) << "a box checked and cleared again still offers Save";
}

TEST_F(ServerPageTest, ADedicatedServerGetsZarnServerCfg) {
  Zarn& z = openServerPage();
  z.optCommandLine.operatorPress();
  z.chkDedicated.operatorClick();
  z.optServerFile.operatorPress();
  EXPECT_EQ(z.frmInfo.caption(), "zarn_server.cfg");

  z.cmdServerOK.operatorClick();

  EXPECT_EQ(system.fileContent(kGameDir + "dod\\zarn_server.cfg"), kStartText + "\r\n");
  EXPECT_FALSE(system.exists(kGameDir + "dod\\zarn_lserver.cfg"));
}

TEST_F(ServerPageTest, AFileThatCannotBeWrittenIsReportedAndTheStepStaysPending) {
  Zarn& z = openServerPage();
  const std::string file = kGameDir + "dod\\zarn_lserver.cfg";
  system.writeFile(file, "old\r\n");
  system.refuseWritesTo(file);

  z.cmdServerOK.operatorClick();

  expectOneAlertNaming(system, file);
  EXPECT_NE(system.messages[0].text.find("Access is denied."), std::string::npos) << system.messages[0].text;
  EXPECT_EQ(system.fileContent(file), "old\r\n");
  EXPECT_EQ(z.blnServerSaved, 0);
  EXPECT_EQ(z.optServerFile.backColor(), colours::kStepPending);
  EXPECT_FALSE(z.optMapFile.enabled());
  EXPECT_TRUE(z.cmdServerOK.enabled()) << "Save stays available for another try";
  EXPECT_TRUE(z.frmServerFile.visible());
}

}  // namespace
