// The Map Cycle page: maps picked from the mod's list are added in order, and Save writes
// the cycle into the mod folder and, for dod, hands it to Sturmbot's per-map list.
#include "app/colours.h"
#include "app/text_lines.h"
#include "app/zarn.h"

namespace {
constexpr const char* kMapCycleFile = "zarn_mapcycle.txt";
constexpr int kEnoughMaps = 5;  // fewer make a dull rotation
}  // namespace

void Zarn::optMapFile_Click() {
  LockPreview();
  ShowOnlyPage(&frmMapSetup);
  PreviewMapCycle();
  // A class-limit panel left open closes; the box keeps its value for the next map.
  chkClassLimit.setEnabled(false);
  frmClassLimit.setVisible(false);
  ShowStatus("Please complete " + optMapFile.caption(), colours::kPrompt);
  lstMapList.setEnabled(true);
  for (forms::CommandButton* button : {&cmdClearMapList, &cmdAddMap, &cmdMapOK}) button->setEnabled(false);
  UpdateStartStatus();
}

void Zarn::lstMapList_Click() {
  PreviewMapCycle();
  cmdAddMap.setEnabled(true);
  chkClassLimit.setEnabled(true);
  LoadMapClassLimits();  // only while the box is checked
}

void Zarn::lstMapList_DblClick() { cmdAddMap_Click(); }

void Zarn::cmdAddMap_Click() {
  if (intCycleMapCount == strCycleMaps.size()) {
    ShowStatus("The map cycle is full: " + std::to_string(intCycleMapCount) + " maps.", colours::kError);
  } else {
    const std::string name = lstMapList.text();
    strMapCycleText += strMapCycleText.empty() ? name : "\r\n" + name;
    strCycleMaps[++intCycleMapCount] = name;
    PreviewMapCycle();
    ShowStatus(intCycleMapCount >= kEnoughMaps ? "Map cycle ok?" : "C'mon, add some more maps...", colours::kPrompt);
  }
  // A refused Add offers Save all the same: once the page is reopened, an Add is the only
  // way back to Save, and a full cycle must still be savable.
  cmdClearMapList.setEnabled(true);
  cmdMapOK.setEnabled(true);
}

void Zarn::cmdClearMapList_Click() {
  cmdMapOK.setEnabled(false);
  strMapCycleText = "";
  intCycleMapCount = 0;
  PreviewMapCycle();
  ShowStatus("Please complete " + optMapFile.caption(), colours::kPrompt);
}

void Zarn::PreviewMapCycle() { PreviewFile(kMapCycleFile, strMapCycleText); }

void Zarn::cmdMapOK_Click() {
  // Written first: a file that could not be written must not count as a saved step.
  if (!WritePageFile(strMapCycleText)) return;

  cmdMapOK.setEnabled(false);
  if (lowerCase(cmbModList.text()) == "dod") {
    // Sturmbot's per-map files are for the first map and every map of the cycle.
    cmbSturmbotMapList.clear();
    cmbSturmbotMapList.addItem(cmbMapList1.text());
    for (int slot = 1; slot <= intCycleMapCount; ++slot) cmbSturmbotMapList.addItem(strCycleMaps[slot]);
  }
  MarkStepSaved(optMapFile, blnMapCycleSaved);
  optMotd.setEnabled(true);
  ShowStatus("Please select " + optMotd.caption(), colours::kPrompt);
  UpdateStartStatus();
  frmMapSetup.setVisible(false);
}
