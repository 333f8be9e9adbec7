#include "support/game_folder.h"

namespace {

class SturmbotPageTest : public ZarnTest {
 protected:
  // dod's Bot Setup page opened with Sturmbot 1.5, the pages before it saved.
  Zarn& openSturmbotPage() {
    installBot(system, "dod");
    startWith({{"dod", "Day of Defeat", {"m1"}}});
    saveThrough(kMotd, "dod", {"m1"});
    zarn->optBotFile.operatorPress();
    return *zarn;
  }
  // Operator entries into boxes of the page, in order.
  struct Entry {
    forms::TextBox* box;
    std::string text;
  };
  void enter(const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
      ASSERT_TRUE(entry.box->operable()) << entry.box->name();
      entry.box->operatorType(entry.text);
    }
  }
  // Entries into a pair of clamped boxes and the texts the pair then holds.
  struct ClampCase {
    std::vector<Entry> entries;
    const char* lower;
    const char* upper;
  };
  // Each case after the `reset` entries; the pair's lines stand in the text, unless the
  // upper is 0 and `goneAtZero`.
  void expectClamps(const std::vector<Entry>& reset, const std::vector<ClampCase>& cases, const forms::TextBox& lower,
                    const forms::TextBox& upper, const std::string& lowerKey, const std::string& upperKey,
                    bool goneAtZero) {
    for (const ClampCase& c : cases) {
      SCOPED_TRACE(c.entries.back().box->name() + " " + c.entries.back().text);
      enter(reset);
      enter(c.entries);
      EXPECT_EQ(lower.text(), c.lower);
      EXPECT_EQ(upper.text(), c.upper);
      const std::string lines = "\r\n" + lowerKey + " " + c.lower + "\r\n" + upperKey + " " + c.upper + "\r\n";
      EXPECT_EQ(zarn->txtFileContents.text().find(lines) != std::string::npos, !goneAtZero || std::string(c.upper) != " 0")
          << zarn->txtFileContents.text();
    }
  }
  static std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from << " is not in " << text;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  }
};

TEST_F(SturmbotPageTest, EveryInputRebuildsTheTextItemByItem) {
  Zarn& z = openSturmbotPage();
  std::string expected = kSturmbot15Text;
  auto change = [&expected](const std::string& from, const std::string& to) { expected = replaced(expected, from, to); };
  const std::string head = "# Sturmbot settings\r\n";

  z.txtSturmbotPasswd.operatorType("  ");
  EXPECT_EQ(z.txtFileContents.text(), replaced(expected, head, head + "sturmbot_password   \r\n# use, select_passwd   \r\n"));
  z.txtSturmbotPasswd.operatorType("");
  EXPECT_EQ(z.txtFileContents.text(), expected);

  z.chkSturmbotFF.operatorClick();
  z.chkSturmbotRank.operatorClick();
  z.chkSturmbotFSquad.operatorClick();
  change("friendlyfiremode off\r\nrank on\r\nformsquad off", "friendlyfiremode on\r\nrank off\r\nformsquad on");
  EXPECT_EQ(z.txtFileContents.text(), expected);

  // Typing into the blood-mode box waits for the next rebuild; a pick is one.
  z.cmbSturmbotBlood.operatorType("\u00e9-custom");
  EXPECT_EQ(z.txtFileContents.text(), expected);
  z.chkSturmbotFF.operatorClick();
  change("friendlyfiremode on", "friendlyfiremode off");
  change("bloodmode 0", "bloodmode \u00e9");
  EXPECT_EQ(z.txtFileContents.text(), expected) << "a character of two bytes is taken whole";
  z.cmbSturmbotBlood.operatorPick(1);
  change("bloodmode \u00e9", "bloodmode 1");
  EXPECT_EQ(z.txtFileContents.text(), expected);

  // The extra variables keep their own line ends, also none at all.
  z.txtExtra3.operatorType("maxbodies 6");
  change("bind F3 sturmbotmenu\r\nmaxteamkills 3\r\nmaxbodies 12\r\n\r\n", "maxbodies 6\r\n");
  EXPECT_EQ(z.txtFileContents.text(), expected);
  EXPECT_EQ(z.strBotText, expected);
}

// Checking one of the "Only?" boxes clears the other two; clearing one leaves them. The
// grenade switch stands twice, after the blood mode once more.
TEST_F(SturmbotPageTest, OneOnlyBoxClearsTheOtherTwo) {
  Zarn& z = openSturmbotPage();
  const std::vector<std::pair<forms::CheckBox*, const char*>> steps = {
      {&z.chkSturmbotKnife, "knifeonly on\r\npistolonly off\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off"},
      {&z.chkSturmbotGrenade, "knifeonly off\r\npistolonly off\r\ngrenadeonly on\r\nbloodmode 0\r\ngrenadeonly on"},
      {&z.chkSturmbotPistol, "knifeonly off\r\npistolonly on\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off"},
      {&z.chkSturmbotKnife, "knifeonly on\r\npistolonly off\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off"},
      {&z.chkSturmbotKnife, "knifeonly off\r\npistolonly off\r\ngrenadeonly off\r\nbloodmode 0\r\ngrenadeonly off"},
  };
  for (const auto& [box, lines] : steps) {
    box->operatorClick();
    EXPECT_NE(z.txtFileContents.text().find(lines), std::string::npos) << box->name() << "\n" << z.txtFileContents.text();
  }
}

TEST_F(SturmbotPageTest, TheBotCountsStayWithinTheMaximumPlayersAndInOrder) {
  Zarn& z = openSturmbotPage();
  forms::TextBox* const max = &z.txtSturmbotMaxBots;
  forms::TextBox* const min = &z.txtSturmbotMinBots;
  EXPECT_EQ(min->text(), " 0") << "the view clamps the bot counts first";
  expectClamps({{max, "0"}},
               {{{{max, "5"}}, " 0", " 5"},
                {{{max, "12"}}, " 0", " 8"},
                {{{max, "8"}, {min, "6"}, {max, "4"}}, " 3", " 4"},
                {{{max, "8"}, {min, "8"}}, " 8", " 8"},
                {{{max, "8"}, {min, "9"}}, " 7", " 8"},
                {{{max, "-3"}}, " 0", "-3"},
                {{{max, "5"}, {min, "3"}, {max, "0"}}, " 0", " 0"},
                // Read as the leading number, a half going to the even neighbour.
                {{{max, "3.5 bots"}, {min, "0.5"}}, " 0", " 4"},
                {{{max, "some"}}, " 0", " 0"},
                // Beyond the 16-bit range a number is held at the nearest end, and one below
                // the smallest number is that number still, not the largest.
                {{{max, "1e9"}}, " 0", " 8"},
                {{{max, "-99999"}}, " 0", "-32768"}},
               *min, *max, "grenadeonly off\r\nmin_bots", "max_bots", true);

  // The maximum players of the Command Line page bound them when the page is next opened.
  enter({{max, "8"}, {min, "6"}});
  z.optCommandLine.operatorPress();
  z.cmbMaxPlayers.operatorType("4");
  z.optBotFile.operatorPress();
  EXPECT_EQ(min->text(), " 3");
  EXPECT_EQ(max->text(), " 4");
}

TEST_F(SturmbotPageTest, TheReactionTimesKeepTheLowerBelowTheUpper) {
  Zarn& z = openSturmbotPage();
  forms::TextBox* const max = &z.txtSturmbotMaxReaction;
  forms::TextBox* const min = &z.txtSturmbotMinReaction;
  expectClamps({{min, "0"}, {max, "50"}, {min, "30"}},
               {{{{max, "300"}, {min, "500"}}, " 299", " 300"},
                {{{min, "-5"}}, " 0", " 50"},
                {{{max, "0"}}, " 0", " 0"},
                {{{min, "50"}}, " 49", " 50"},
                {{{min, "47.5"}}, " 48", " 50"},
                {{{min, "48.5ms"}}, " 48", " 50"},
                {{{max, "99999"}}, " 30", " 32767"},
                {{{max, "-99999"}}, " 0", " 0"}},
               *min, *max, "min_reaction", "max_reaction", false);
}

}  // namespace
