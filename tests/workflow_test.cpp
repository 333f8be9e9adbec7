#include <functional>

#include "app/colours.h"
#include "support/game_folder.h"

namespace {

// Along the road, each page's Save writes its file before it marks its step: a file that
// cannot be written is reported, keeps what it held, and leaves the step pending and Save
// offered for another try; once written, the step is marked and the next one offered.
TEST_F(ZarnTest, EachSaveMarksItsStepOnlyOnceItsFileIsWritten) {
  buildGameFolder(system, {{"dod", "Day of Defeat", {"dod_anzio"}}});
  installBot(system, "dod");
  Zarn& z = start();
  saveThrough(kCommandLine, "dod", {"dod_anzio"});
  struct Row {
    forms::OptionButton& step;
    forms::CommandButton& save;
    const Integer& saved;
    std::string file, written;
    std::function<void()> edit;  // what the operator does on the page first
    const char* status;          // once saved
  };
  const Row rows[] = {
      {z.optServerFile, z.cmdServerOK, z.blnServerSaved, "zarn_lserver.cfg",
       "hostname \"My dod server.\"\r\nmp_friendlyfire 1\r\nmp_footsteps 1\r\nmp_flashlight 1\r\nmp_deathmsg 1\r\n"
       "mp_falldamage 1\r\nsv_lan 0\r\nmp_teamlimit 2\r\nmp_timelimit 30\r\nsv_maxspectators 4\r\n\r\n",
       [] {}, "Please select Map Cycle"},
      {z.optMapFile, z.cmdMapOK, z.blnMapCycleSaved, "zarn_mapcycle.txt", "dod_anzio\r\ndod_anzio\r\n",
       [&] { addMaps({"dod_anzio", "dod_anzio"}); }, "Please select Welcome Message"},
      {z.optMotd, z.cmdSaveFile, z.blnMotdSaved, "zarn_motd.txt", "Welcome to My dod server.\r\n", [] {},
       "Please select Bot Setup"},
      // The sixteen lines of Sturmbot 1.5's start values, the reaction times as mod
      // selection set them.
      {z.optBotFile, z.cmdSturmbotOK, z.blnBotSaved, "sturmbot\\bot.cfg", kSturmbot15Text + "\r\n", [] {},
       "You can now Start Server"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    const std::string path = kGameDir + "dod\\" + row.file;
    system.writeFile(path, "older\r\n");
    system.messages.clear();
    ASSERT_FALSE(z.cmdStart.enabled());
    row.step.operatorPress();
    row.edit();
    system.refuseWritesTo(path);
    row.save.operatorClick();

    expectOneAlertNaming(system, path);
    EXPECT_EQ(system.fileContent(path), "older\r\n");
    EXPECT_EQ(row.saved, 0);
    EXPECT_EQ(row.step.backColor(), colours::kStepPending);
    EXPECT_TRUE(row.save.operable());

    system.allowWrites();
    row.save.operatorClick();
    EXPECT_EQ(system.fileContent(path), row.written);
    EXPECT_EQ(row.saved, 1);
    EXPECT_EQ(row.step.backColor(), colours::kStepSaved);
    EXPECT_FALSE(row.save.enabled());
    EXPECT_EQ(z.lblStatus.caption(), row.status);
  }
  EXPECT_TRUE(z.cmdStart.enabled());
  EXPECT_FALSE(z.frmInfo.visible()) << "the preview gives way once Start Server is offered";
  EXPECT_FALSE(z.frmSturmbotSetup.visible());
}

// Marinebot's and Shrikebot's pages take no settings: their Save confirms the step, as
// often as it is pressed, and writes nothing.
TEST_F(ZarnTest, ABotPageWithoutSettingsConfirmsTheStepWithoutAFile) {
  for (const char* mod : {"firearms", "wie"}) {
    SCOPED_TRACE(mod);
    buildGameFolder(system, {{mod, "Sample", {"m1"}}});
    installBot(system, mod);
    Zarn& z = start();
    saveThrough(kMotd, mod, {"m1"});
    const bool marinebot = std::string(mod) == "firearms";
    forms::Frame& page = marinebot ? z.frmMarinebotSetup : z.frmShrikebotSetup;
    forms::CommandButton& save = marinebot ? z.cmdMarinebotOK : z.cmdShrikebotOK;
    ASSERT_FALSE(z.cmdStart.enabled());
    z.optBotFile.operatorPress();
    EXPECT_EQ(z.txtFileContents.text(), "Welcome to My " + std::string(mod) + " server.") << "the preview stays";
    for (int press = 0; press < 2; ++press) {
      if (press) reopen(z.optBotFile);
      EXPECT_EQ(z.frmSturmbotSetup.visible() + z.frmMarinebotSetup.visible() + z.frmShrikebotSetup.visible(), 1);
      EXPECT_TRUE(page.visible());
      save.operatorClick();
      EXPECT_EQ(z.blnBotSaved, 1);
      EXPECT_EQ(z.optBotFile.backColor(), colours::kStepSaved);
      EXPECT_TRUE(z.cmdStart.enabled());
      EXPECT_FALSE(page.visible());
    }
    EXPECT_FALSE(system.exists(kGameDir + mod + "\\sturmbot"));
  }
}

}  // namespace
