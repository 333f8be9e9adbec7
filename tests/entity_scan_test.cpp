#include <gtest/gtest.h>

#include "bots/entity_scan.h"

namespace {

struct ScanCase {
  const char* exportText;
  bool known, british;
};

TEST(EntityScanTest, TheLastLineWithTheKeyDecidesByTheValuesFirstCharacter) {
  const ScanCase cases[] = {
      {"{\n\"classname\" \"info_doddetect\"\n\"detect_allies_country\" \"1\"\n}\n", true, true},
      {"\"detect_allies_country\" \"0\"", true, false},
      {"\"detect_allies_country\" \"2\"", true, false},
      {"\"detect_allies_country\" \"10\"", true, true},
      {"\t\"detect_allies_country\" \"1\"\r\n", true, true},
      // The later line decides, either way round.
      {"\"detect_allies_country\" \"1\"\r\n\"detect_allies_country\" \"0\"\r\n", true, false},
      {"\"detect_allies_country\" \"0\"\n\"wad\" \"x\"\n\"detect_allies_country\" \"1\"\n", true, true},
      // A key at the start of a line too short for its value: known, not British.
      {"detect_allies_country", true, false},
      {"detect_allies_country \"", true, false},
      // Further in, the key is looked for only where its value would still fit.
      {"\"detect_allies_country\" 1", false, false},
      {"\"detect_allies_country\"", false, false},
      // The key's letter case counts; other keys and empty lines say nothing.
      {"\"Detect_Allies_Country\" \"1\"", false, false},
      {"\"detect_axis_country\" \"1\"\n\n", false, false},
      {"", false, false},
  };
  for (const ScanCase& c : cases) {
    const AlliesCountry country = scanEntities(c.exportText);
    EXPECT_EQ(country.known, c.known) << c.exportText;
    EXPECT_EQ(country.british, c.british) << c.exportText;
  }
}

}  // namespace
