#include <cmath>

#include <gtest/gtest.h>

#include "app/box_number.h"

namespace {

TEST(BoxNumberTest, TheLeadingNumberIsReadFromTheFrontAndIsZeroWithoutOne) {
  EXPECT_EQ(leadingNumber(" 32"), 32);
  EXPECT_EQ(leadingNumber("2.5"), 2.5);
  EXPECT_EQ(leadingNumber("12abc"), 12);
  EXPECT_EQ(leadingNumber("3 2"), 3);
  EXPECT_EQ(leadingNumber("-3"), -3);
  EXPECT_EQ(leadingNumber("+4x"), 4);
  EXPECT_EQ(leadingNumber(".5"), 0.5);
  EXPECT_EQ(leadingNumber("7."), 7);
  EXPECT_EQ(leadingNumber("1e2"), 100);
  EXPECT_EQ(leadingNumber("2e"), 2) << "an exponent needs a digit";
  for (const char* none : {"", "   ", "abc", "-", ".", "- 3", "e5"}) EXPECT_EQ(leadingNumber(none), 0) << none;
  // Digits beyond the range of a double are read by as many leading ones as it holds; an
  // exponent beyond it gives an infinity or zero.
  const double nines = leadingNumber(std::string(5000, '9'));
  EXPECT_TRUE(std::isfinite(nines));
  EXPECT_GT(nines, 9.99e307);
  EXPECT_EQ(leadingNumber("-" + std::string(400, '1') + "x"), -leadingNumber(std::string(308, '1')));
  EXPECT_EQ(leadingNumber(" 0." + std::string(400, '0') + "9e5"), 0);
  const std::string tinyFraction = "0." + std::string(400, '0') + "1";
  EXPECT_EQ(leadingNumber("-1e400"), -INFINITY);
  EXPECT_EQ(leadingNumber("1e-400"), 0);
  EXPECT_EQ(leadingNumber(tinyFraction), 0);
  EXPECT_EQ(leadingNumber("-" + tinyFraction + "e5"), 0);
  EXPECT_EQ(leadingNumber(tinyFraction + "e800"), INFINITY);
  EXPECT_EQ(leadingNumber(std::string(400, '9') + "e-800"), 0);
  EXPECT_EQ(leadingNumber("1e-" + std::string(30, '9')), 0) << "an exponent of any length";
}

TEST(BoxNumberTest, AWholeNumberRoundsHalvesToEvenAndHoldsAtTheEndsOfThe16BitRange) {
  struct Case {
    const char* text;
    int whole;
  };
  const std::string huge(400, '9');
  const std::string tinyFraction = "0." + std::string(400, '0') + "7";
  for (const Case& c : {Case{"2.5", 2}, Case{"3.5", 4}, Case{"-2.5", -2}, Case{"-3.5", -4}, Case{"0.5", 0},
                        Case{"2.51", 3}, Case{" 7 bots", 7}, Case{"none", 0}, Case{"32767.4", 32767},
                        Case{"32767.5", 32767}, Case{"40000", 32767}, Case{"-32768.5", -32768}, Case{"-1e9", -32768},
                        Case{huge.c_str(), 32767}, Case{tinyFraction.c_str(), 0}})
    EXPECT_EQ(boxWholeNumber(c.text), c.whole) << c.text;
  EXPECT_EQ(oneBelow(0), -1);
  EXPECT_EQ(oneBelow(-32767), -32768);
  EXPECT_EQ(oneBelow(-32768), -32768) << "held at the smallest number, not wrapped round";
}

TEST(BoxNumberTest, NumbersAreWrittenBackWithABlankForTheSignAndShownInShortestForm) {
  EXPECT_EQ(boxNumberText(32), " 32");
  EXPECT_EQ(boxNumberText(0), " 0");
  EXPECT_EQ(boxNumberText(-3), "-3");
  EXPECT_EQ(shortestDecimal(33), "33");
  EXPECT_EQ(shortestDecimal(3.5), "3.5");
  EXPECT_EQ(shortestDecimal(1.7 + 1), "2.7");
  EXPECT_EQ(shortestDecimal(-2), "-2");
}

}  // namespace
