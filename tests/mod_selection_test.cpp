#include "app/colours.h"
#include "support/game_folder.h"

namespace {

const std::string kSturmbotLibrary = "\\sturmbot\\dlls\\STURM_bot.dll";

TEST_F(ZarnTest, ChoosingAModNamesTheServerListsItsMapsAndOffersTheCommandLineAfresh) {
  buildGameFolder(system, {{"valve", "Half-Life", {"crossfire", "stalkyard"}}, {"tfc", "", {"2fort"}}});
  Zarn& z = start();
  const std::vector<std::string> valveMaps = {"crossfire", "stalkyard"};

  chooseMod("valve");
  EXPECT_EQ(z.txtHostName.text(), "My valve server.");
  EXPECT_EQ(z.lblModSupport.caption(), "Half-Life");
  EXPECT_EQ(z.lblModSupport.foreColor(), colours::kPrompt);
  EXPECT_EQ(z.cmbMapList1.items(), valveMaps);
  EXPECT_EQ(z.lstMapList.items(), valveMaps);
  EXPECT_TRUE(z.optCommandLine.enabled());
  EXPECT_EQ(z.lblStatus.caption(), "Please select Command Line");

  // Choosing again, even the same mod, sets everything up anew.
  z.blnCommandSaved = 1;
  z.strMapCycleText = "crossfire";
  z.cmbMapList1.setText("crossfire");
  z.lblStatus.setCaption("earlier");
  chooseMod("valve");
  EXPECT_EQ(z.blnCommandSaved, 0);
  EXPECT_EQ(z.strMapCycleText, "");
  EXPECT_EQ(z.lblStatus.caption(), "earlier") << "a first map already named needs no prompt";
  EXPECT_EQ(z.cmbMapList1.items(), valveMaps);
  EXPECT_EQ(z.lstMapList.items(), valveMaps);

  chooseMod("tfc");
  EXPECT_EQ(z.lblModSupport.caption(), "Not recognized");
  EXPECT_EQ(z.lblModSupport.foreColor(), colours::kError);
  EXPECT_EQ(z.cmbMapList1.items(), std::vector<std::string>{"2fort"});
  EXPECT_EQ(z.lstMapList.items(), std::vector<std::string>{"2fort"});
}

TEST_F(ZarnTest, TheModsTitleIsTheFirstGameLineWithAQuoteHoweverLongTheLines) {
  buildGameFolder(system, {{"odd", "", {}}, {"long", "", {}}});
  system.writeFile(kGameDir + "odd\\liblist.gam", "GAME \"Capitals\"\r\ngame no quote\r\n\r\n" + std::string(200000, 'x') +
                                                      "\r\n\"\"\"\r\ngame \"Real Title\" trailing\r\ngame \"Later\"\r\n");
  system.writeFile(kGameDir + "long\\liblist.gam", "game \"" + std::string(100000, 'T'));
  Zarn& z = start();

  chooseMod("odd");
  EXPECT_EQ(z.lblModSupport.caption(), "Real Title");
  chooseMod("long");
  EXPECT_EQ(z.lblModSupport.caption(), std::string(100000, 'T'));
}

TEST_F(ZarnTest, TheBotPageIsOfferedExactlyWhenTheModsBotIsInstalled) {
  buildGameFolder(system, {{"firearms", "", {}}, {"wie", "", {}}, {"valve", "", {}}, {"DoD", "Day of Defeat", {}},
                           {"dod_old", "", {}}});
  system.writeFile(kGameDir + "firearms\\marine_bot\\marine_bot.dll", "library");
  system.writeFile(kGameDir + "wie\\dlls\\shrikebot.dll", "library");
  system.writeFile(kGameDir + "valve\\dlls\\shrikebot.dll", "library");  // not the bot of this mod
  system.writeFile(kGameDir + "dod_old\\sturmbot\\dlls\\sturm_bot.dll", "library");
  Zarn& z = start();

  for (const char* mod : {"firearms", "wie"}) {
    chooseMod(mod);
    EXPECT_TRUE(z.optBotFile.visible()) << mod;
    EXPECT_FALSE(z.optBotFile.enabled()) << mod << ": offered, reached after the Welcome Message";
    EXPECT_FALSE(z.chkClassLimit.visible()) << mod;
  }
  chooseMod("valve");
  EXPECT_FALSE(z.optBotFile.visible());

  // A dod in capitals without Sturmbot: recognised, its class limits offered, no bot page.
  chooseMod("DoD");
  EXPECT_FALSE(z.optBotFile.visible());
  EXPECT_TRUE(z.chkClassLimit.visible());
  EXPECT_FALSE(z.chkClassLimit.enabled());
  EXPECT_EQ(z.lblModSupport.caption(), "Day of Defeat") << "paths use the folder name as listed";
  chooseMod("dod_old");
  EXPECT_FALSE(z.optBotFile.visible()) << "the library's name must match exactly";
}

TEST_F(ZarnTest, SturmbotsVersionSelectsCaptionReactionTimesAndClassScheme) {
  struct Case {
    const char* history;  // null: no History.txt at all
    const char* caption;
    const char* minReaction;
    const char* maxReaction;
    Integer weaponClasses;
    Integer alliesClasses;  // 0: no table loaded
  };
  for (const Case& c : {Case{nullptr, "Sturmbot Setup", "999", "999", 0, 0},
                        Case{"Sturmbot\r\n", "Sturmbot Setup", "999", "999", 0, 0},
                        Case{"S\r\n\r\n\r\nlater\r\n", "Sturmbot Setup", "999", "999", 0, 0},
                        Case{"S\r\n--\r\n1.5\r\n2003\r\n", "Sturmbot 1.5 Setup", " 30", " 50", 0, 5},
                        Case{"S\r\n--\r\n1.5 \r\n", "Sturmbot 1.5  Setup", " 300", " 500", 1, 7},
                        Case{"S\r\n--\r\n1.7b", "Sturmbot 1.7b Setup", " 300", " 500", 1, 7}}) {
    SCOPED_TRACE(c.history ? c.history : "no History.txt");
    FakePlatform fresh;
    buildGameFolder(fresh, {{"dod", "Day of Defeat", {}}});
    fresh.writeFile(kGameDir + "dod" + kSturmbotLibrary, "library");
    if (c.history) fresh.writeFile(kGameDir + "dod\\sturmbot\\History.txt", c.history);
    Zarn z(fresh);
    z.Form_Load();
    z.chkSturmbotFillserver.setValue(0);
    z.cmdSturmbotAdd.setEnabled(true);

    z.cmbModList.operatorPick(0);

    EXPECT_EQ(z.frmSturmbotSetup.caption(), c.caption);
    EXPECT_EQ(z.txtSturmbotMinReaction.text(), c.minReaction);
    EXPECT_EQ(z.txtSturmbotMaxReaction.text(), c.maxReaction);
    EXPECT_EQ(z.blnWeaponClasses, c.weaponClasses);
    EXPECT_EQ(z.intAlliesClassCount, c.alliesClasses);
    EXPECT_EQ(z.chkSturmbotFillserver.value(), 1);
    EXPECT_FALSE(z.cmdSturmbotAdd.enabled());
  }
}

TEST_F(ZarnTest, AVersionlessSturmbotKeepsTheLoadedTablesButNotTheirScheme) {
  buildGameFolder(system, {{"dod", "Day of Defeat", {}}});
  system.writeFile(kGameDir + "dod" + kSturmbotLibrary, "library");
  system.writeFile(kGameDir + "dod\\sturmbot\\History.txt", "a\r\nb\r\n2.0\r\n");
  Zarn& z = start();
  chooseMod("dod");
  system.writeFile(kGameDir + "dod\\sturmbot\\History.txt", "a\r\nb\r\n");
  chooseMod("dod");
  EXPECT_EQ(z.blnWeaponClasses, 0);
  EXPECT_EQ(z.lblClassAllies.caption(), "U.S.");
  EXPECT_EQ(z.txtSturmbotMinReaction.text(), " 300");
}

TEST_F(ZarnTest, TheSplashShowsOnlyAPictureNamedExactlyAsExpected) {
  buildGameFolder(system, {{"good", "", {}}, {"broken", "", {}}, {"capitals", "", {}}, {"plain", "", {}}});
  system.writeFile(kGameDir + "good\\gfx\\shell\\splash.bmp", "BM picture");
  system.writeFile(kGameDir + "broken\\gfx\\shell\\splash.bmp", "not a picture");
  system.writeFile(kGameDir + "capitals\\gfx\\shell\\SPLASH.BMP", "BM picture");
  Zarn& z = start();

  chooseMod("good");
  ASSERT_TRUE(z.picSplash.visible());
  const auto* shown = dynamic_cast<const FakePicture*>(z.picSplash.picture().get());
  EXPECT_EQ(shown ? shown->path : "", kGameDir + "good\\gfx\\shell\\splash.bmp");
  for (const char* mod : {"broken", "capitals", "plain"}) {
    chooseMod("good");
    chooseMod(mod);
    EXPECT_FALSE(z.picSplash.visible()) << mod;
  }
}

TEST_F(ZarnTest, AFailedMapSearchKeepsItsErrorButStillOffersTheCommandLine) {
  buildGameFolder(system, {{"valve", "Half-Life", {"crossfire"}}});
  Zarn& z = start();
  system.unlistableFolder = kGameDir + "valve\\maps\\";
  chooseMod("valve");
  EXPECT_EQ(z.lblStatus.caption(), "Error: valve\\maps cannot be listed: Access is denied.");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kError);
  EXPECT_TRUE(z.optCommandLine.enabled());
}

}  // namespace
