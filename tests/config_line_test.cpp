#include <gtest/gtest.h>

#include "app/config_line.h"
#include "app/text_lines.h"

namespace {

TEST(ConfigLine, SplitsKeyValueRestAndQuotes) {
  for (const char* blankLine : {"", "   "}) {
    const ConfigLine parts = splitConfigLine(blankLine);
    EXPECT_EQ(parts.key + parts.value + parts.quoted + parts.rest, "");
    EXPECT_FALSE(parts.separatorFound || parts.quoteFound);
  }
  const ConfigLine word = splitConfigLine("ab\"c\"d");
  EXPECT_EQ(word.key, "ab\"c\"d");
  EXPECT_FALSE(word.separatorFound || word.quoteFound);
  EXPECT_EQ(word.rest, "");

  const ConfigLine trailing = splitConfigLine("options ");
  EXPECT_TRUE(trailing.separatorFound);
  EXPECT_EQ(trailing.value + trailing.rest, "");

  const ConfigLine game = splitConfigLine("game  \"Day of Defeat\" x");
  EXPECT_EQ(game.key, "game");
  EXPECT_EQ(game.value, "\"DayofDefeat\"x");
  EXPECT_EQ(game.rest, " \"Day of Defeat\" x");
  EXPECT_TRUE(game.quoteFound);
  EXPECT_EQ(game.quoted, "Day of Defeat");

  const ConfigLine open = splitConfigLine("game \"open to the end");
  EXPECT_EQ(open.quoted, "open to the end");
  const ConfigLine keyQuote = splitConfigLine("key\" value\"");
  EXPECT_EQ(keyQuote.quoted, " value") << "the scan starts on the key's last character";
}

TEST(ConfigLine, LeadingBlanksLengthenTheRestFromItsFront) {
  const ConfigLine parts = splitConfigLine("  path C:\\a b\\");
  EXPECT_EQ(parts.key, "path");
  EXPECT_EQ(parts.rest, "h C:\\a b\\") << "the blank and the last character of the key";
}

TEST(ConfigLine, ClassLimitKeysNameTheirSideAndClass) {
  struct Case { const char* line; const char* team; const char* cls; };
  for (const Case& c : {Case{"mp_limitalliesgarand 2", "allies", "garand"}, Case{"mp_limitbritlight 1", "brit", "light"},
                        Case{"mp_limitaxiskar 3", "axis", "kar"}, Case{"mp_limitbrit 3", "brit", ""},
                        Case{"mp_limitalliesgarand", "", ""}, Case{"mp_limitalliesgarand ", "", ""},
                        Case{"mp_limitfoo 1", "", ""}, Case{"mp_limitalli 1", "alli", ""}, Case{"MP_LIMITAXISkar 1", "", ""}}) {
    const ConfigLine parts = splitConfigLine(c.line);
    EXPECT_EQ(parts.limitTeam, c.team) << c.line;
    EXPECT_EQ(parts.limitClass, c.cls) << c.line;
  }
}

TEST(ConfigLine, LinesBeyondSixteenBitPositionsAreSplitWhole) {
  const std::string value(40000, 'v');
  const ConfigLine parts = splitConfigLine("key " + value);
  EXPECT_EQ(parts.value.size(), 40000u);
  EXPECT_EQ(parts.rest, value);
}

TEST(TextLines, SplitsLinesEndedByCrLfOrALoneCrOrLf) {
  EXPECT_EQ(splitLines("a\r\nb\r\n\r\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(splitLines("a\nb\r"), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
