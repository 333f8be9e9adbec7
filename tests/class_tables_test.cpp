#include "support/class_names.h"
#include "support/game_folder.h"

namespace {

Names slots(const Slots<std::string, 20>& table, int count) {
  Names names;
  for (int slot = 1; slot <= count; ++slot) names.push_back(table[slot]);
  return names;
}

void expectAllies(const Zarn& z, const char* caption, const char* prefix, const Names& classes) {
  EXPECT_EQ(z.lblClassAllies.caption(), caption);
  EXPECT_EQ(z.strAlliesLimitPrefix, prefix);
  EXPECT_EQ(z.intAlliesClassCount, static_cast<Integer>(classes.size()));
  EXPECT_EQ(slots(z.strClassAllies, z.intAlliesClassCount), classes);
  EXPECT_EQ(z.cmbClassAllies.items(), classes);
}

void expectAxis(const Zarn& z, const char* caption, const Names& classes) {
  EXPECT_EQ(z.lblClassAxis.caption(), caption);
  EXPECT_EQ(z.strAxisLimitPrefix, "mp_limitaxis");
  EXPECT_EQ(z.intAxisClassCount, static_cast<Integer>(classes.size()));
  EXPECT_EQ(slots(z.strClassAxis, z.intAxisClassCount), classes);
  EXPECT_EQ(z.cmbClassAxis.items(), classes);
}

TEST_F(ZarnTest, EachLoadReplacesItsSidesAndPutsTheirLimitsBackToNone) {
  buildGameFolder(system, {});
  Zarn& z = start();

  z.LoadWeaponClassTables();
  expectAllies(z, "U.S.", "mp_limitallies", kUsWeapons);
  expectAxis(z, "German", kGermanWeapons);
  EXPECT_EQ(slots(z.strLimitAxis, 9), Names(9, "-1"));

  z.strLimitAllies[2] = "5";
  z.strLimitAxis[9] = "3";
  z.LoadBritishAlliesTable();
  expectAllies(z, "British", "mp_limitbrit", kBritish);
  EXPECT_EQ(slots(z.strLimitAllies, 4), Names(4, "-1"));
  expectAxis(z, "German", kGermanWeapons);
  EXPECT_EQ(z.strLimitAxis[9], "3") << "the British load leaves the Axis side alone";

  z.LoadClassTypeTables();
  expectAllies(z, "Allies", "mp_limitallies", kClassTypes);
  expectAxis(z, "Axis", kClassTypes);
  EXPECT_EQ(slots(z.strLimitAxis, 5), Names(5, "-1"));
  EXPECT_EQ(z.strClassAxis[6], "mp44") << "slots above the count are not part of the table";

  z.LoadWeaponClassTables();
  expectAllies(z, "U.S.", "mp_limitallies", kUsWeapons);
  expectAxis(z, "German", kGermanWeapons);

  // No load picks an item or touches the limit boxes.
  EXPECT_EQ(z.cmbClassAllies.text(), "");
  EXPECT_EQ(z.cmbClassAxis.text(), "");
  EXPECT_EQ(z.cmbLimitAllies.text(), "-1");
  EXPECT_EQ(z.cmbLimitAllies.listCount(), 34);
}

}  // namespace
