#include <span>
#include <string_view>

#include "app/zarn.h"

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

// The window state and controls of one side.
struct Side {
  forms::Label& caption;
  std::string& prefix;
  Slots<std::string, 20>& classes;
  Slots<std::string, 20>& limits;
  Integer& count;
  forms::ComboBox& classList;
};

Side allies(Zarn& z) {
  return {z.lblClassAllies, z.strAlliesLimitPrefix, z.strClassAllies, z.strLimitAllies, z.intAlliesClassCount, z.cmbClassAllies};
}

Side axis(Zarn& z) {
  return {z.lblClassAxis, z.strAxisLimitPrefix, z.strClassAxis, z.strLimitAxis, z.intAxisClassCount, z.cmbClassAxis};
}

// Slots above the table's count keep what they held: only slots 1 to the count are read.
void load(const Side& side, const ClassTable& table) {
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

void Zarn::LoadWeaponClassTables() {
  load(allies(*this), kUsWeaponTable);
  load(axis(*this), kGermanWeaponTable);
}

void Zarn::LoadClassTypeTables() {
  load(allies(*this), kAlliesClassTypeTable);
  load(axis(*this), kAxisClassTypeTable);
}

void Zarn::LoadBritishAlliesTable() { load(allies(*this), kBritishTable); }
