// A map's own configuration file: its class limits read into the tables, its other lines
// kept, and the whole written back with one limit line for every class of the tables.
#include <optional>

#include "app/text_lines.h"
#include "app/zarn.h"
#include "maps/class_side.h"

namespace {
// The side whose table a limit line's team sets: British and U.S. limits both go to the
// Allies, whichever of their tables is in place.
std::optional<ClassSide> sideOfTeam(Zarn& z, const std::string& team) {
  if (team == "axis") return axisSide(z);
  if (team == "allies" || team == "brit") return alliesSide(z);
  return std::nullopt;
}
}  // namespace

void Zarn::LoadMapClassLimits() {
  strOtherCfgLines = "";
  strClassLimitLines = "";
  mapCfgReadError_ = "";
  if (!chkClassLimit.checked()) return;

  lblClassAxis.setCaption("Axis");
  lblClassAllies.setCaption("Allies");
  // Weapon classes start afresh for every map; class types carry over from the last one.
  if (blnWeaponClasses) {
    LoadWeaponClassTables();
    blnCountryKnown = 0;
    DetectAlliesCountry(lstMapList.text());
    if (blnCountryKnown && blnAlliesBritish) LoadBritishAlliesTable();
  }

  std::optional<std::string> text;
  if (FindMapCfg()) {
    text = system_.readTextFile(strMapCfgPath, mapCfgReadError_);
    if (!text) AlertUnreadableMapCfg();
  }
  for (const std::string& line : splitLines(text.value_or(""))) {
    ParseConfigLine(line);
    if (strLimitClass.empty()) {
      if (!line.empty()) strOtherCfgLines += line + "\r\n";
    } else if (const std::optional<ClassSide> side = sideOfTeam(*this, strLimitTeam)) {
      // A limit for a class the table in place does not have is dropped.
      if (const int slot = slotOf(*side, strLimitClass)) side->limits[slot] = strValue;
    }
  }

  for (const ClassSide& side : {alliesSide(*this), axisSide(*this)}) {
    side.classList.setText(side.classes[1]);
    side.limitList.setText(side.limits[1]);
  }
}

void Zarn::BuildClassLimitLines() {
  strClassLimitLines = "";
  for (const ClassSide& side : {alliesSide(*this), axisSide(*this)})
    for (int slot = 1; slot <= side.count; ++slot)
      strClassLimitLines += side.prefix + side.classes[slot] + " " + side.limits[slot] + "\r\n";
}

void Zarn::cmdClassLimitOK_Click() {
  FindMapCfg();
  // Written without the lines it could not read, the file would lose them.
  if (!mapCfgReadError_.empty()) {
    AlertUnreadableMapCfg();
    return;
  }
  if (!WriteTextFile(strMapCfgPath, {strOtherCfgLines, strClassLimitLines})) return;
  cmdClassLimitOK.setEnabled(false);
  chkClassLimit.setValue(0);
}

bool Zarn::FindMapCfg() {
  strMapCfgPath = ModPath("\\" + lstMapList.text() + ".cfg");
  // The file the file system finds under the map's name, in whatever letter case it stores
  // it, is the map's file: it is read, and replaced under its stored name, rather than
  // overwritten unread.
  const std::string stored = system_.lookUp(strMapCfgPath);
  if (stored.empty()) return false;
  strMapCfgPath = ModPath("\\" + stored);
  return true;
}

void Zarn::AlertUnreadableMapCfg() {
  Alert("Cannot read " + strMapCfgPath + ": " + mapCfgReadError_ +
        "\r\nSave will not replace it, so that its other lines are not lost.");
}
