// The class-limit tables of both schemes and of British Allies, and the loads that put
// them in place.
#include <span>
#include <string_view>

#include "app/zarn.h"
#include "maps/class_side.h"

namespace {
struct ClassTable {
  std::string_view caption;
  std::string_view prefix;
  std::span<const std::string_view> classes;
};

constexpr std::string_view kUsWeapons[] = {"garand", "carbine", "bar", "greasegun", "thompson", "spring", "30cal"};
constexpr std::string_view kGermanWeapons[] = {"kar", "kar43", "fg42", "fg42s", "mp40", "mp44", "scopedkar", "mg34", "mg42"};
constexpr std::string_view kClassTypes[] = {"light", "assault", "heavy", "sniper", "mg"};
constexpr std::string_view kBritishClassTypes[] = {"light", "assault", "sniper", "mg"};

constexpr ClassTable kUsWeaponTable{"U.S.", "mp_limitallies", kUsWeapons};
constexpr ClassTable kGermanWeaponTable{"German", "mp_limitaxis", kGermanWeapons};
constexpr ClassTable kAlliesClassTypeTable{"Allies", "mp_limitallies", kClassTypes};
constexpr ClassTable kAxisClassTypeTable{"Axis", "mp_limitaxis", kClassTypes};
constexpr ClassTable kBritishTable{"British", "mp_limitbrit", kBritishClassTypes};

// Slots above the table's count keep what they held: only slots 1 to the count are read.
void load(const ClassSide& side, const ClassTable& table) {
  side.caption.setCaption(std::string(table.caption));
  side.prefix = table.prefix;
  side.count = static_cast<Integer>(table.classes.size());
  side.classList.clear();
  for (int slot = 1; slot <= side.count; ++slot) {
    side.classes[slot] = table.classes[static_cast<std::size_t>(slot - 1)];
    side.classList.addItem(side.classes[slot]);
    side.limits[slot] = "-1";
  }
}
}  // namespace

ClassSide alliesSide(Zarn& z) {
  return {z.lblClassAllies, z.strAlliesLimitPrefix, z.strClassAllies, z.strLimitAllies, z.intAlliesClassCount,
          z.cmbClassAllies, z.cmbLimitAllies};
}

ClassSide axisSide(Zarn& z) {
  return {z.lblClassAxis, z.strAxisLimitPrefix, z.strClassAxis, z.strLimitAxis, z.intAxisClassCount, z.cmbClassAxis,
          z.cmbLimitAxis};
}

int slotOf(const ClassSide& side, const std::string& className) {
  for (int slot = 1; slot <= side.count; ++slot)
    if (side.classes[slot] == className) return slot;
  return 0;
}

void Zarn::LoadWeaponClassTables() {
  load(alliesSide(*this), kUsWeaponTable);
  load(axisSide(*this), kGermanWeaponTable);
}

void Zarn::LoadClassTypeTables() {
  load(alliesSide(*this), kAlliesClassTypeTable);
  load(axisSide(*this), kAxisClassTypeTable);
}

void Zarn::LoadBritishAlliesTable() { load(alliesSide(*this), kBritishTable); }
