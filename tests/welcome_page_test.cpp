#include "app/colours.h"
#include "support/page_road.h"

namespace {

class WelcomePageTest : public PageRoadTest {
 protected:
  // The Welcome Message page offered for `mod`: the three pages before it saved.
  Zarn& reachWelcomePage(const std::string& mod) {
    Zarn& z = startWith({{mod, "Sample", {"m1", "m2"}}});
    saveCommandLine(mod, "m1");
    saveServerPage();
    saveMapCycle({"m1", "m2"});
    return z;
  }
  // The Marinebot mod, whose Bot Setup page keeps Start Server waiting.
  Zarn& reachWelcomePageOfABotMod() {
    system.writeFile(kGameDir + "firearms\\marine_bot\\marine_bot.dll", "stand-in");
    return reachWelcomePage("firearms");
  }
  std::string motdFile(const std::string& mod) const { return system.fileContent(kGameDir + mod + "\\zarn_motd.txt"); }
};

TEST_F(WelcomePageTest, TheProposedMessageSavedForAModWithoutABotMakesStartServerAvailable) {
  Zarn& z = reachWelcomePage("valve");
  EXPECT_FALSE(z.cmdStart.enabled());

  z.optMotd.operatorPress();
  EXPECT_EQ(z.txtFileContents.text(), "Welcome to My valve server.");
  EXPECT_EQ(z.frmInfo.caption(), "zarn_motd.txt");
  EXPECT_FALSE(z.txtFileContents.locked());
  EXPECT_TRUE(z.cmdSaveFile.enabled());
  EXPECT_FALSE(z.cmdEditFile.enabled());
  for (const forms::Frame* page : {&z.frmCommandLine, &z.frmServerFile, &z.frmMapSetup, &z.frmSturmbotSetup})
    EXPECT_FALSE(page->visible()) << page->name();
  EXPECT_EQ(z.lblStatus.caption(), "Like the Welcome Message?");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);

  z.cmdSaveFile.operatorClick();

  EXPECT_EQ(motdFile("valve"), "Welcome to My valve server.\r\n");
  EXPECT_EQ(z.blnMotdSaved, 1);
  EXPECT_EQ(z.optMotd.backColor(), colours::kStepSaved);
  EXPECT_TRUE(z.cmdStart.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "You can now Start Server");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_FALSE(z.frmInfo.visible());
  EXPECT_FALSE(z.optBotFile.enabled());

  // With Start Server available, a page view ends with the preview hidden, and an input
  // of the Server Configuration page shows it again.
  reopen(z.optMotd);
  EXPECT_FALSE(z.frmInfo.visible()) << "the message cannot be edited through this page any more";
  z.optServerFile.operatorPress();
  EXPECT_FALSE(z.frmInfo.visible());
  z.chkLAN.operatorClick();
  EXPECT_TRUE(z.frmInfo.visible());
  EXPECT_TRUE(z.cmdStart.enabled());
  z.cmdServerOK.operatorClick();
  EXPECT_EQ(z.lblStatus.caption(), "You can now Start Server") << "the gate's text replaces the page's prompt";
  EXPECT_NE(system.fileContent(kGameDir + "valve\\zarn_lserver.cfg").find("sv_lan 1\r\n"), std::string::npos);
}

TEST_F(WelcomePageTest, AnEditedMessageIsSavedAsTypedAndTheBotPageIsAskedFor) {
  Zarn& z = reachWelcomePageOfABotMod();
  z.optMotd.operatorPress();
  z.txtFileContents.operatorType("Welcome!\r\nNo camping.\r\n\r\nHave fun");

  z.cmdSaveFile.operatorClick();

  EXPECT_EQ(motdFile("firearms"), "Welcome!\r\nNo camping.\r\n\r\nHave fun\r\n");
  EXPECT_EQ(z.strMotdText, "Welcome!\r\nNo camping.\r\n\r\nHave fun");
  EXPECT_TRUE(z.optBotFile.enabled());
  EXPECT_FALSE(z.cmdStart.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Please select Bot Setup");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_TRUE(z.frmInfo.visible());
  EXPECT_TRUE(z.txtFileContents.locked());
  EXPECT_FALSE(z.cmdSaveFile.enabled());
  EXPECT_TRUE(z.cmdEditFile.enabled());

  // Edit goes on from the saved text; an emptied panel is saved as an empty line.
  z.cmdEditFile.operatorClick();
  EXPECT_FALSE(z.txtFileContents.locked());
  EXPECT_EQ(z.txtFileContents.text(), "Welcome!\r\nNo camping.\r\n\r\nHave fun");
  z.txtFileContents.operatorType("");
  z.cmdSaveFile.operatorClick();
  EXPECT_EQ(motdFile("firearms"), "\r\n");
  EXPECT_EQ(z.blnMotdSaved, 1);
}

TEST_F(WelcomePageTest, ANewHostNameIsProposedOnlyWhenThePageIsOpenedAgain) {
  Zarn& z = reachWelcomePageOfABotMod();
  saveWelcomeMessage();

  z.optServerFile.operatorPress();
  z.txtHostName.operatorType("Frontline");
  z.cmdServerOK.operatorClick();
  EXPECT_EQ(motdFile("firearms"), "Welcome to My firearms server.\r\n");

  z.optMotd.operatorPress();
  z.txtFileContents.operatorType("edited, then left");
  z.optMapFile.operatorPress();
  EXPECT_TRUE(z.txtFileContents.locked());
  z.optMotd.operatorPress();
  EXPECT_EQ(z.txtFileContents.text(), "Welcome to Frontline");
  EXPECT_EQ(motdFile("firearms"), "Welcome to My firearms server.\r\n");
}

TEST_F(WelcomePageTest, AMessageThatCannotBeWrittenStaysOpenForAnotherTry) {
  Zarn& z = reachWelcomePageOfABotMod();
  system.refuseWritesTo(kGameDir + "firearms\\zarn_motd.txt");
  z.optMotd.operatorPress();
  z.txtFileContents.operatorType("Hello");

  z.cmdSaveFile.operatorClick();

  expectOneAlertNaming(system, kGameDir + "firearms\\zarn_motd.txt");
  EXPECT_EQ(z.blnMotdSaved, 0);
  EXPECT_EQ(z.optMotd.backColor(), colours::kStepPending);
  EXPECT_FALSE(z.optBotFile.enabled());
  EXPECT_FALSE(z.txtFileContents.locked());
  EXPECT_TRUE(z.cmdSaveFile.enabled());
  EXPECT_EQ(z.txtFileContents.text(), "Hello");
  EXPECT_EQ(z.lblStatus.caption(), "Like the Welcome Message?");
}

}  // namespace
