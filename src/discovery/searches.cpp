#include "app/busy_pointer.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
constexpr std::string_view kMapExtension = ".bsp";

// A map listing line names a map when it ends in ".bsp" (in any case) after a name.
bool isMapFileName(const std::string& line) {
  return line.size() > kMapExtension.size() &&
         lowerCase(std::string_view(line).substr(line.size() - kMapExtension.size())) == kMapExtension;
}
}  // namespace

bool Zarn::SearchMods() {
  BusyPointer busy(system_);
  frmInfo.setCaption("mod search...");
  cmbModList.clear();
  const std::optional<std::string> listing =
      ReadListing("dir " + quotedIfBlank(strHalfLifeDir) + " /ad /b > " + quotedIfBlank(strListFile));
  if (!listing) return false;
  for (const std::string& modName : splitItems(*listing))
    if (FileIsPresent(strHalfLifeDir + modName + "\\liblist.gam")) cmbModList.addItem(modName);
  return true;
}

bool Zarn::SearchMaps() {
  BusyPointer busy(system_);
  frmInfo.setCaption("map search...");
  strMapCycleText = "";
  intCycleMapCount = 0;
  cmbMapList1.clear();
  lstMapList.clear();
  const std::optional<std::string> listing =
      ReadListing("dir " + quotedIfBlank(ModPath("\\maps\\*.bsp")) + " /b > " + quotedIfBlank(strListFile));
  if (!listing) return false;
  for (const std::string& line : splitLines(*listing)) {
    if (!isMapFileName(line)) continue;
    const std::string mapName = line.substr(0, line.size() - kMapExtension.size());
    cmbMapList1.addItem(mapName);
    lstMapList.addItem(mapName);
  }
  return true;
}
