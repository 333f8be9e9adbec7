#include <gtest/gtest.h>

#include "app/batch_text.h"

namespace {

struct Case {
  const char* text;
  const char* written;
};

TEST(BatchTextTest, PathsAreQuotedWhenTheyHoldABlankOrACharacterTheInterpreterTreatsSpecially) {
  for (const Case& c : {Case{"C:\\Sierra\\Half-Life\\hl.exe", "C:\\Sierra\\Half-Life\\hl.exe"},
                        Case{"dod", "dod"}, Case{"", ""}, Case{"C:\\100%\\x", "C:\\100%\\x"},
                        Case{"C:\\Spiele\\H\xC3\xA4lf-Life\\", "C:\\Spiele\\H\xC3\xA4lf-Life\\"},
                        Case{"C:\\Program Files\\hl.exe", "\"C:\\Program Files\\hl.exe\""},
                        Case{"C:\\R&D\\Half-Life\\", "\"C:\\R&D\\Half-Life\\\""}, Case{"r&d", "\"r&d\""}}) {
    EXPECT_EQ(quotedIfSpecial(c.text), c.written) << c.text;
  }
  for (char special : std::string_view("\t&()[]{}^=;!'+,`~|<>")) {
    const std::string path = std::string("C:\\a") + special + "b\\";
    EXPECT_EQ(quotedIfSpecial(path), '"' + path + '"') << special;
  }
}

TEST(BatchTextTest, TheOperatorsTextTakesCaretsOutsideQuotesOnly) {
  for (const Case& c : {Case{"-heapsize 64000", "-heapsize 64000"}, Case{"", ""},
                        Case{"8&echo INJECTED", "8^&echo INJECTED"}, Case{"a|b<c>d^e", "a^|b^<c^>d^^e"},
                        Case{"+hostname \"R&D | <1> ^\" x&y", "+hostname \"R&D | <1> ^\" x^&y"},
                        Case{"\"C:\\R&D\\hl.exe\" -game \"r&d\" &", "\"C:\\R&D\\hl.exe\" -game \"r&d\" ^&"},
                        Case{"+hostname \"open & to the end", "+hostname \"open & to the end"},
                        Case{"50%off", "50%off"}}) {
    EXPECT_EQ(literalOutsideQuotes(c.text), c.written) << c.text;
  }
}

TEST(BatchTextTest, ABatchLineDoublesPercentsAndKeepsToOneLine) {
  for (const Case& c : {Case{"hl.exe -game dod +port 27015 ", "hl.exe -game dod +port 27015 "},
                        Case{"+sv_password 50%off +hostname \"100% fun\"", "+sv_password 50%%off +hostname \"100%% fun\""},
                        Case{"%PATH%", "%%PATH%%"}, Case{"a\r\nb\nc", "a  b c"}}) {
    EXPECT_EQ(batchFileLine(c.text), c.written) << c.text;
  }
}

TEST(BatchTextTest, ACommandForTheInterpreterBreaksEveryPercentPairWithEmptyQuotes) {
  for (const Case& c : {Case{"C:\\TEMP\\zarn.bat", "C:\\TEMP\\zarn.bat"},
                        Case{"\"C:\\R&D\\zarn.bat\" > C:\\TEMP\\zarn.log", "\"C:\\R&D\\zarn.bat\" > C:\\TEMP\\zarn.log"},
                        Case{"\"C:\\a %PATH% b\\zarn.bat\" > C:\\T%\\zarn.log",
                             "\"C:\\a %\"\"PATH%\"\" b\\zarn.bat\" > C:\\T%\"\"\\zarn.log"}}) {
    EXPECT_EQ(interpreterCommand(c.text), c.written) << c.text;
  }
}

}  // namespace
