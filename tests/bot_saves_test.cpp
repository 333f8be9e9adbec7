#include "app/colours.h"
#include "support/bot_road.h"

namespace {

const std::string kBotCfg = kGameDir + "dod\\sturmbot\\bot.cfg";

class BotSavesTest : public BotRoadTest {
 protected:
  void expectStepSaved(const Zarn& z) {
    EXPECT_EQ(z.blnBotSaved, 1);
    EXPECT_EQ(z.optBotFile.backColor(), colours::kStepSaved);
    EXPECT_TRUE(z.cmdStart.enabled());
    EXPECT_EQ(z.lblStatus.caption(), "You can now Start Server");
    EXPECT_FALSE(z.frmInfo.visible());
  }
};

TEST_F(BotSavesTest, SturmbotsSaveWritesTheTextUnderThePreviewCaptionAndOpensStartServer) {
  Zarn& z = reachBotSetup("dod");
  z.optBotFile.operatorPress();
  z.frmInfo.setCaption("chosen.cfg");  // as a per-map file's name stands there

  z.cmdSturmbotOK.operatorClick();

  EXPECT_EQ(system.fileContent(kGameDir + "dod\\sturmbot\\chosen.cfg"), kSturmbot15Text + "\r\n");
  expectStepSaved(z);
  EXPECT_FALSE(z.cmdSturmbotOK.enabled());
  EXPECT_FALSE(z.frmSturmbotSetup.visible());

  // A change after Save offers Save again; the step and its file stay as saved.
  reopen(z.optBotFile);
  z.chkSturmbotFF.operatorClick();
  EXPECT_TRUE(z.cmdSturmbotOK.enabled());
  EXPECT_TRUE(z.frmInfo.visible()) << "an input shows what it changed";
  EXPECT_EQ(z.blnBotSaved, 1);
  EXPECT_TRUE(z.cmdStart.enabled());
  EXPECT_EQ(system.fileContent(kGameDir + "dod\\sturmbot\\chosen.cfg"), kSturmbot15Text + "\r\n");

  // Without fill-server and addbot lines the text ends in CR LF, and the file in two.
  z.chkSturmbotFF.operatorClick();
  z.chkSturmbotFillserver.operatorClick();
  z.txtExtra3.operatorType("maxbodies 12\r\n");
  ASSERT_EQ(z.frmInfo.caption(), "bot.cfg") << "no map is chosen yet";
  z.cmdSturmbotOK.operatorClick();
  EXPECT_EQ(system.fileContent(kBotCfg), "# Sturmbot settings\r\nmin_reaction  30\r\nmax_reaction  50\r\n"
                                         "friendlyfiremode off\r\nrank on\r\nformsquad off\r\nknifeonly off\r\n"
                                         "pistolonly off\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off\r\n"
                                         "maxbodies 12\r\n\r\n\r\n");
}

TEST_F(BotSavesTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheStepStaysPending) {
  Zarn& z = reachBotSetup("dod");
  system.writeFile(kBotCfg, "old\r\n");
  system.refuseWritesTo(kBotCfg);
  z.optBotFile.operatorPress();

  z.cmdSturmbotOK.operatorClick();

  expectOneAlertNaming(system, kBotCfg);
  EXPECT_EQ(system.fileContent(kBotCfg), "old\r\n");
  EXPECT_EQ(z.blnBotSaved, 0);
  EXPECT_EQ(z.optBotFile.backColor(), colours::kStepPending);
  EXPECT_FALSE(z.cmdStart.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Please select Bot Setup");
  EXPECT_TRUE(z.cmdSturmbotOK.enabled()) << "Save stays available for another try";
  EXPECT_TRUE(z.frmSturmbotSetup.visible());
}

TEST_F(BotSavesTest, MarinebotAndShrikebotSavesConfirmTheStepWithoutAFile) {
  for (const char* mod : {"firearms", "wie"}) {
    SCOPED_TRACE(mod);
    Zarn& z = reachBotSetup(mod);
    const bool marinebot = std::string(mod) == "firearms";
    forms::Frame& page = marinebot ? z.frmMarinebotSetup : z.frmShrikebotSetup;
    forms::CommandButton& save = marinebot ? z.cmdMarinebotOK : z.cmdShrikebotOK;
    z.optBotFile.operatorPress();
    ASSERT_TRUE(page.visible());

    save.operatorClick();

    expectStepSaved(z);
    EXPECT_FALSE(page.visible());
    EXPECT_FALSE(system.exists(kGameDir + mod + "\\sturmbot"));
    EXPECT_EQ(system.fileContent(kGameDir + mod + "\\zarn_motd.txt"), "Welcome to My " + std::string(mod) + " server.\r\n");

    // Pressed again after the page is reopened, it repeats the same confirmation.
    reopen(z.optBotFile);
    EXPECT_TRUE(save.operable());
    save.operatorClick();
    expectStepSaved(z);
  }
}

}  // namespace
