#include "app/busy_pointer.h"
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
constexpr std::string_view kMapExtension = ".bsp";

// A listed name is a map when it ends in ".bsp" (in any case) after a name: the pattern's
// match on short names also lets "x.bspx" through.
bool isMapFileName(const std::string& name) {
  return name.size() > kMapExtension.size() &&
         lowerCase(std::string_view(name).substr(name.size() - kMapExtension.size())) == kMapExtension;
}
}  // namespace

std::optional<std::vector<std::string>> Zarn::ListFolder(const std::string& path, platform::Entries entries,
                                                         const std::string& folderName) {
  platform::FolderListing listing = system_.listFolder(path, entries);
  if (listing.ok()) return std::move(listing.names);
  ShowStatus("Error: " + folderName + " cannot be listed: " + listing.error, colours::kError);
  return std::nullopt;
}

bool Zarn::SearchMods() {
  BusyPointer busy(system_);
  frmInfo.setCaption("mod search...");
  cmbModList.clear();
  const auto folders = ListFolder(strHalfLifeDir, platform::Entries::Folders, "the game folder");
  if (!folders) return false;
  for (const std::string& modName : *folders)
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
  const auto files = ListFolder(ModPath("\\maps\\*.bsp"), platform::Entries::Shown, cmbModList.text() + "\\maps");
  if (!files) return false;
  for (const std::string& name : *files) {
    if (!isMapFileName(name)) continue;
    const std::string mapName = name.substr(0, name.size() - kMapExtension.size());
    cmbMapList1.addItem(mapName);
    lstMapList.addItem(mapName);
  }
  return true;
}
