#include <map>
#include <vector>

#include "app/colours.h"
#include "support/bot_road.h"

namespace {

class SturmbotPageTest : public BotRoadTest {
 protected:
  Zarn& openSturmbotPage(const std::string& version = "1.5") {
    Zarn& z = reachBotSetup("dod", version);
    z.optBotFile.operatorPress();
    return z;
  }
  // Operator entries into boxes of the page, in order.
  struct Entry {
    forms::TextBox* box;
    std::string text;
  };
  // Entries into a pair of clamped boxes and the texts the pair then holds.
  struct ClampCase {
    std::vector<Entry> entries;
    const char* min;
    const char* max;
  };
  void enter(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      ASSERT_TRUE(entry.box->operable()) << entry.box->name();
      entry.box->operatorType(entry.text);
    }
  }
};

TEST_F(SturmbotPageTest, TheStartValuesOfSturmbot15GiveSixteenLinesUnderTheSettingsFilesName) {
  Zarn& z = reachBotSetup("dod");
  EXPECT_FALSE(z.frmSturmbotSetup.visible()) << "mod selection's reaction times do not open the page";

  z.optBotFile.operatorPress();

  EXPECT_EQ(z.txtFileContents.text(), kSturmbot15Text);
  EXPECT_EQ(z.strBotText, kSturmbot15Text);
  EXPECT_EQ(z.frmInfo.caption(), "bot.cfg");
  EXPECT_TRUE(z.frmInfo.visible());
  expectReadOnlyPreview(z);
  EXPECT_TRUE(z.frmSturmbotSetup.visible());
  for (const forms::Frame* page : {&z.frmCommandLine, &z.frmServerFile, &z.frmMapSetup, &z.frmMarinebotSetup})
    EXPECT_FALSE(page->visible()) << page->name();
  EXPECT_FALSE(z.frmSturmbotCustom.visible()) << "the per-map panel belongs to per-map mode";
  EXPECT_EQ(z.txtSturmbotMinBots.text(), " 0") << "the view clamps the bot counts first";
  EXPECT_EQ(z.lblStatus.caption(), "Please select Bot Setup");
  EXPECT_EQ(z.lblStatus.foreColor(), colours::kPrompt);
  EXPECT_FALSE(z.cmdStart.enabled());
  EXPECT_TRUE(z.cmdSturmbotOK.enabled());
}

TEST_F(SturmbotPageTest, AnUnknownVersionLeavesTheReactionTimesAsTheyStand) {
  Zarn& z = openSturmbotPage("");
  EXPECT_EQ(z.txtFileContents.text(), replaced(kSturmbot15Text, "min_reaction  30\r\nmax_reaction  50",
                                               "min_reaction 999\r\nmax_reaction 999"));
}

TEST_F(SturmbotPageTest, EveryInputRebuildsTheTextItemByItem) {
  Zarn& z = openSturmbotPage();
  std::string expected = kSturmbot15Text;
  auto change = [&expected](const std::string& from, const std::string& to) { expected = replaced(expected, from, to); };
  const std::string head = "# Sturmbot settings\r\n";

  enter({{&z.txtSturmbotPasswd, "secret"}});
  EXPECT_EQ(z.txtFileContents.text(),
            replaced(expected, head, head + "sturmbot_password secret\r\n# use, select_passwd secret\r\n"));
  enter({{&z.txtSturmbotPasswd, "  "}});
  EXPECT_EQ(z.txtFileContents.text(),
            replaced(expected, head, head + "sturmbot_password   \r\n# use, select_passwd   \r\n"));
  enter({{&z.txtSturmbotPasswd, ""}});
  EXPECT_EQ(z.txtFileContents.text(), expected);

  z.chkSturmbotFF.operatorClick();
  z.chkSturmbotRank.operatorClick();
  z.chkSturmbotFSquad.operatorClick();
  change("friendlyfiremode off\r\nrank on\r\nformsquad off", "friendlyfiremode on\r\nrank off\r\nformsquad on");
  EXPECT_EQ(z.txtFileContents.text(), expected);

  // Typing into the blood-mode box waits for the next rebuild; a pick is one.
  z.cmbSturmbotBlood.operatorType("3-Explode");
  EXPECT_EQ(z.txtFileContents.text(), expected);
  z.chkSturmbotFF.operatorClick();
  change("friendlyfiremode on", "friendlyfiremode off");
  change("bloodmode 0", "bloodmode 3");
  EXPECT_EQ(z.txtFileContents.text(), expected);
  z.cmbSturmbotBlood.operatorPick(1);
  change("bloodmode 3", "bloodmode 1");
  EXPECT_EQ(z.txtFileContents.text(), expected);
  z.cmbSturmbotBlood.operatorType("\u00e9-custom");
  z.chkSturmbotRank.operatorClick();
  change("rank off", "rank on");
  change("bloodmode 1", "bloodmode \u00e9");
  EXPECT_EQ(z.txtFileContents.text(), expected) << "a character of two bytes is taken whole";
  z.cmbSturmbotBlood.operatorType("");
  z.chkSturmbotRank.operatorClick();
  change("rank on", "rank off");
  change("bloodmode \u00e9", "bloodmode ");
  EXPECT_EQ(z.txtFileContents.text(), expected);

  // The extra variables keep their own line ends, also none at all.
  enter({{&z.txtExtra3, ""}});
  EXPECT_EQ(z.txtFileContents.text(), replaced(expected, "bind F3 sturmbotmenu\r\nmaxteamkills 3\r\nmaxbodies 12\r\n", ""));
  enter({{&z.txtExtra3, "maxbodies 6"}});
  change("bind F3 sturmbotmenu\r\nmaxteamkills 3\r\nmaxbodies 12\r\n\r\n", "maxbodies 6\r\n");
  EXPECT_EQ(z.txtFileContents.text(), expected);
  EXPECT_EQ(z.strBotText, expected);
  EXPECT_TRUE(z.frmSturmbotSetup.visible());
}

TEST_F(SturmbotPageTest, TheBotCountsStayWithinTheMaximumPlayersAndInOrder) {
  Zarn& z = openSturmbotPage();
  const std::vector<ClampCase> cases = {
      {{{&z.txtSturmbotMaxBots, "5"}}, " 0", " 5"},
      {{{&z.txtSturmbotMaxBots, "12"}}, " 0", " 8"},
      {{{&z.txtSturmbotMaxBots, "8"}, {&z.txtSturmbotMinBots, "6"}, {&z.txtSturmbotMaxBots, "4"}}, " 3", " 4"},
      {{{&z.txtSturmbotMaxBots, "8"}, {&z.txtSturmbotMinBots, "8"}}, " 8", " 8"},
      {{{&z.txtSturmbotMaxBots, "8"}, {&z.txtSturmbotMinBots, "9"}}, " 7", " 8"},
      {{{&z.txtSturmbotMaxBots, "-3"}}, " 0", "-3"},
      {{{&z.txtSturmbotMaxBots, "5"}, {&z.txtSturmbotMinBots, "3"}, {&z.txtSturmbotMaxBots, "0"}}, " 0", " 0"},
      // Read as the leading number, a half going to the even neighbour.
      {{{&z.txtSturmbotMaxBots, "2.5"}}, " 0", " 2"},
      {{{&z.txtSturmbotMaxBots, "3.5 bots"}, {&z.txtSturmbotMinBots, "0.5"}}, " 0", " 4"},
      {{{&z.txtSturmbotMaxBots, "some"}}, " 0", " 0"},
      // Beyond the 16-bit range a number is held at the nearest end, and one below the
      // smallest number is that number still, not the largest.
      {{{&z.txtSturmbotMaxBots, "1e9"}}, " 0", " 8"},
      {{{&z.txtSturmbotMaxBots, "-99999"}}, " 0", "-32768"},
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(c.entries.back().box->name() + " " + c.entries.back().text);
    enter({{&z.txtSturmbotMaxBots, "0"}});
    enter(c.entries);
    EXPECT_EQ(z.txtSturmbotMinBots.text(), c.min);
    EXPECT_EQ(z.txtSturmbotMaxBots.text(), c.max);
    const std::string& text = z.txtFileContents.text();
    if (std::string(c.max) == " 0") {
      EXPECT_EQ(text.find("_bots"), std::string::npos) << text;
    } else {
      EXPECT_NE(text.find("\r\ngrenadeonly off\r\nmin_bots " + std::string(c.min) + "\r\nmax_bots " + c.max +
                          "\r\nbind F3"),
                std::string::npos)
          << text;
    }
  }

  // The maximum players of the Command Line page bound them when the page is next opened.
  enter({{&z.txtSturmbotMaxBots, "8"}, {&z.txtSturmbotMinBots, "6"}});
  z.optCommandLine.operatorPress();
  z.cmbMaxPlayers.operatorType("4");
  z.optBotFile.operatorPress();
  EXPECT_EQ(z.txtSturmbotMinBots.text(), " 3");
  EXPECT_EQ(z.txtSturmbotMaxBots.text(), " 4");
  EXPECT_NE(z.txtFileContents.text().find("min_bots  3\r\nmax_bots  4\r\n"), std::string::npos);
}

TEST_F(SturmbotPageTest, TheReactionTimesKeepTheLowerBelowTheUpper) {
  Zarn& z = openSturmbotPage();
  const std::vector<ClampCase> cases = {
      {{{&z.txtSturmbotMaxReaction, "300"}, {&z.txtSturmbotMinReaction, "500"}}, " 299", " 300"},
      {{{&z.txtSturmbotMinReaction, "-5"}}, " 0", " 50"},
      {{{&z.txtSturmbotMaxReaction, "0"}}, " 0", " 0"},
      {{{&z.txtSturmbotMinReaction, "50"}}, " 49", " 50"},
      {{{&z.txtSturmbotMinReaction, "47.5"}}, " 48", " 50"},
      {{{&z.txtSturmbotMinReaction, "48.5ms"}}, " 48", " 50"},
      {{{&z.txtSturmbotMinReaction, "fast"}}, " 0", " 50"},
      {{{&z.txtSturmbotMaxReaction, "99999"}}, " 30", " 32767"},
      {{{&z.txtSturmbotMaxReaction, "-99999"}}, " 0", " 0"},
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(c.entries.back().box->name() + " " + c.entries.back().text);
    enter({{&z.txtSturmbotMinReaction, "0"}, {&z.txtSturmbotMaxReaction, "50"}, {&z.txtSturmbotMinReaction, "30"}});
    enter(c.entries);
    EXPECT_EQ(z.txtSturmbotMinReaction.text(), c.min);
    EXPECT_EQ(z.txtSturmbotMaxReaction.text(), c.max);
    EXPECT_NE(z.txtFileContents.text().find("\r\nmin_reaction " + std::string(c.min) + "\r\nmax_reaction " + c.max +
                                            "\r\n"),
              std::string::npos)
        << z.txtFileContents.text();
  }
}

TEST_F(SturmbotPageTest, AWrittenBackBoxRunsItsChangeHandlerOnceMore) {
  Zarn& z = reachBotSetup("dod");
  std::map<std::string, int> runs;
  for (forms::TextBox* box : {&z.txtSturmbotMinBots, &z.txtSturmbotMaxBots})
    box->onChange = [box, &runs, handler = box->onChange] {
      ++runs[box->name()];
      handler();
    };

  z.optBotFile.operatorPress();  // "0" and "0" are written back as " 0" and " 0"
  EXPECT_EQ(runs, (std::map<std::string, int>{{"txtSturmbotMinBots", 1}, {"txtSturmbotMaxBots", 1}}));

  runs.clear();
  z.txtSturmbotMaxBots.operatorType("5");  // typed, then written back as " 5"
  EXPECT_EQ(runs, (std::map<std::string, int>{{"txtSturmbotMaxBots", 2}}));
  EXPECT_EQ(z.txtFileContents.text(), replaced(kSturmbot15Text, "grenadeonly off\r\nbind",
                                               "grenadeonly off\r\nmin_bots  0\r\nmax_bots  5\r\nbind"));
}

TEST_F(SturmbotPageTest, OneOnlyBoxClearsTheOtherTwoEachClearedBoxRebuildingOnce) {
  Zarn& z = openSturmbotPage();
  std::vector<std::string> rebuilds;  // each handler run, with the text it left
  for (forms::CheckBox* box : {&z.chkSturmbotKnife, &z.chkSturmbotPistol, &z.chkSturmbotGrenade})
    box->onClick = [box, &z, &rebuilds, handler = box->onClick] {
      handler();
      const std::string& text = z.txtFileContents.text();
      const std::size_t from = text.find("knifeonly");
      rebuilds.push_back(box->name() + ": " + text.substr(from, text.find("\r\nbloodmode") - from));
    };
  struct Step {
    forms::CheckBox* clicked;
    std::vector<std::string> rebuilds;
  };
  const std::vector<Step> steps = {
      {&z.chkSturmbotKnife, {"chkSturmbotKnife: knifeonly on\r\npistolonly off\r\ngrenadeonly off"}},
      {&z.chkSturmbotGrenade,
       {"chkSturmbotKnife: knifeonly off\r\npistolonly off\r\ngrenadeonly on",
        "chkSturmbotGrenade: knifeonly off\r\npistolonly off\r\ngrenadeonly on"}},
      {&z.chkSturmbotPistol,
       {"chkSturmbotGrenade: knifeonly off\r\npistolonly on\r\ngrenadeonly off",
        "chkSturmbotPistol: knifeonly off\r\npistolonly on\r\ngrenadeonly off"}},
      {&z.chkSturmbotPistol, {"chkSturmbotPistol: knifeonly off\r\npistolonly off\r\ngrenadeonly off"}},
  };
  for (const Step& step : steps) {
    rebuilds.clear();
    step.clicked->operatorClick();
    EXPECT_EQ(rebuilds, step.rebuilds) << step.clicked->name();
  }
  EXPECT_NE(z.txtFileContents.text().find("bloodmode 0\r\ngrenadeonly off\r\n"), std::string::npos);

  z.chkSturmbotGrenade.operatorClick();
  EXPECT_NE(z.txtFileContents.text().find("grenadeonly on\r\nbloodmode 0\r\ngrenadeonly on\r\n"), std::string::npos)
      << "both grenade lines carry the box";
}

TEST_F(SturmbotPageTest, AModWithoutSturmbotSettingsLeavesThePreviewAsItWas) {
  for (const char* mod : {"firearms", "wie"}) {
    SCOPED_TRACE(mod);
    Zarn& z = reachBotSetup(mod);
    const std::string welcome = "Welcome to My " + std::string(mod) + " server.";
    ASSERT_EQ(z.txtFileContents.text(), welcome);

    z.optBotFile.operatorPress();

    forms::Frame& page = std::string(mod) == "wie" ? z.frmShrikebotSetup : z.frmMarinebotSetup;
    for (const forms::Frame* other : {&z.frmSturmbotSetup, &z.frmMarinebotSetup, &z.frmShrikebotSetup})
      EXPECT_EQ(other->visible(), other == &page) << other->name();
    EXPECT_EQ(z.txtFileContents.text(), welcome);
    EXPECT_EQ(z.frmInfo.caption(), "zarn_motd.txt");
    EXPECT_TRUE(z.frmInfo.visible());
    expectReadOnlyPreview(z);
    EXPECT_EQ(z.strBotText, "");
    EXPECT_EQ(z.lblStatus.caption(), "Please select Bot Setup");
  }
}

}  // namespace
