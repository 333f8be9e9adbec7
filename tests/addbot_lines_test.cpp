#include <algorithm>
#include <vector>

#include "support/bot_road.h"

namespace {

class AddBotLinesTest : public BotRoadTest {
 protected:
  // Picks the class of that text from the class list.
  void pickClass(const std::string& item) {
    const auto& items = zarn->cmbSturmbotClass.items();
    const auto found = std::find(items.begin(), items.end(), item);
    ASSERT_NE(found, items.end()) << item << " is not in the class list";
    zarn->cmbSturmbotClass.operatorPick(static_cast<int>(found - items.begin()));
  }
  // The preview's text ends with the addbot lines.
  void expectShownLines(const std::string& lines) {
    const std::string& text = zarn->txtFileContents.text();
    const std::string tail = "maxbodies 12\r\n\r\n" + lines;
    EXPECT_TRUE(text.ends_with(tail)) << text;
  }
};

TEST_F(AddBotLinesTest, EachTeamLoadsItsOwnClasses) {
  Zarn& z = openPerMapPanel("3.0");
  chooseBotMap("dod_ridge");
  struct Team {
    forms::OptionButton* option;
    std::vector<std::string> classes;
  };
  const std::vector<Team> teams = {
      {&z.optSturmbotAxis1,
       {"1-Grenadier", "2-Stosstruppe", "3-Unteroffizier", "4-Sturmtruppe", "5-Scharfsch\u00fctze",
        "6-MG34-Sch\u00fctze", "7-MG42-Sch\u00fctze"}},
      {&z.optSturmbotAllies2, {"1-Rifleman", "2-Sergeant Major", "3-Marksman", "4-Gunner"}},
  };
  for (const Team& team : teams) {
    SCOPED_TRACE(team.option->caption());
    team.option->operatorPress();
    EXPECT_EQ(z.cmbSturmbotClass.items(), team.classes);
    EXPECT_EQ(z.cmbSturmbotClass.text(), "") << "no class is picked for the operator";
  }
  chooseBotMap("dod_harbour");
  z.optSturmbotAllies1.operatorPress();
  EXPECT_EQ(z.cmbSturmbotClass.items(),
            (std::vector<std::string>{"1-Rifleman", "2-Staff Sergeant", "3-Master Sergeant", "4-Sergeant", "5-Sniper",
                                      "6-Support Infantry", "7-Machine Gunner"}));
  EXPECT_EQ(z.strAddBotLines, "");
}

TEST_F(AddBotLinesTest, AddBotAppendsOneLineWithTheFieldsAsEntered) {
  Zarn& z = openPerMapPanel("3.0");
  chooseBotMap("dod_harbour");
  z.cmbSturmbotClass.operatorType("2-Staff Sergeant");
  EXPECT_FALSE(z.cmdSturmbotAdd.enabled()) << "only a pick from the list offers Add Bot";

  z.optSturmbotAllies1.operatorPress();
  pickClass("2-Staff Sergeant");
  z.txtSturmbotName.operatorType("Dufus");
  z.cmdSturmbotAdd.operatorClick();
  EXPECT_EQ(z.strAddBotLines, "addbot 1 2 5 Dufus");
  expectShownLines("addbot 1 2 5 Dufus");
  EXPECT_TRUE(z.cmdSturmbotClear.enabled());
  EXPECT_TRUE(z.cmdSturmbotSave.enabled());

  z.optSturmbotAxis1.operatorPress();
  pickClass("3-Unteroffizier");
  z.cmdSturmbotAdd.operatorClick();
  EXPECT_EQ(z.strAddBotLines, "addbot 1 2 5 Dufus\r\naddbot 2 3 5 Dufus");

  // The British are team 1 too; a skill and a name are written as typed.
  chooseBotMap("dod_ridge");
  z.optSturmbotAllies2.operatorPress();
  pickClass("3-Marksman");
  z.cmbSturmbotSkill.operatorType("12");
  z.txtSturmbotName.operatorType(" Big  Al");
  z.cmdSturmbotAdd.operatorClick();
  const std::string lines = "addbot 1 2 5 Dufus\r\naddbot 2 3 5 Dufus\r\naddbot 1 3 12  Big  Al";
  EXPECT_EQ(z.strAddBotLines, lines);

  // Another team replaces the class list but not the box's text: Add Bot stays and takes
  // what the box shows; empty fields leave their blanks.
  z.optSturmbotAxis1.operatorPress();
  ASSERT_TRUE(z.cmdSturmbotAdd.enabled());
  z.cmdSturmbotAdd.operatorClick();
  z.cmbSturmbotClass.operatorType("");
  z.cmbSturmbotSkill.operatorType("");
  z.cmdSturmbotAdd.operatorClick();
  EXPECT_EQ(z.strAddBotLines, lines + "\r\naddbot 2 3 12  Big  Al\r\naddbot 2    Big  Al");
  expectShownLines(z.strAddBotLines);
}

TEST_F(AddBotLinesTest, TheLinesBelongToNoMapAndClearBotsEmptiesThem) {
  Zarn& z = openPerMapPanel("3.0");
  chooseBotMap("dod_ridge");
  z.optSturmbotAllies2.operatorPress();
  pickClass("4-Gunner");
  z.txtSturmbotName.operatorType("Tommy");
  z.cmdSturmbotAdd.operatorClick();

  // The British option, hidden by a map with U.S. Allies, is still the selected team 1.
  chooseBotMap("dod_harbour");
  ASSERT_FALSE(z.optSturmbotAllies2.visible());
  EXPECT_FALSE(z.cmdSturmbotClear.enabled());
  EXPECT_TRUE(z.cmdSturmbotAdd.enabled());
  z.cmdSturmbotAdd.operatorClick();
  const std::string lines = "addbot 1 4 5 Tommy\r\naddbot 1 4 5 Tommy";
  EXPECT_EQ(z.strAddBotLines, lines);
  expectShownLines(lines);

  z.cmdSturmbotClear.operatorClick();
  EXPECT_EQ(z.strAddBotLines, "");
  EXPECT_TRUE(z.txtFileContents.text().ends_with("maxbodies 12\r\n\r\n"));
  EXPECT_TRUE(z.cmdSturmbotOK.enabled());
  EXPECT_TRUE(z.cmdSturmbotClear.enabled());
  EXPECT_TRUE(z.cmdSturmbotSave.enabled()) << "Save File keeps its state";
}

TEST_F(AddBotLinesTest, AddBotWithoutATeamAddsNoLineButShowsTheTextAgain) {
  Zarn& z = openPerMapPanel("3.0");
  chooseBotMap("dod_ridge");
  z.cmdSturmbotAdd.setEnabled(true);  // as a pick would, before any team is chosen
  z.cmbSturmbotBlood.operatorType("3-Explode");  // shown by the next rebuild

  z.cmdSturmbotAdd.operatorClick();

  EXPECT_EQ(z.strAddBotLines, "");
  EXPECT_NE(z.txtFileContents.text().find("\r\nbloodmode 3\r\n"), std::string::npos);
  EXPECT_EQ(z.frmInfo.caption(), "dod_ridge_bot.cfg");
  EXPECT_TRUE(z.cmdSturmbotClear.enabled());
  EXPECT_TRUE(z.cmdSturmbotSave.enabled());
}

}  // namespace
