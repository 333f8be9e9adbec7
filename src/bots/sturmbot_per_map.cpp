// Sturmbot's two modes: fill-server mode with its one bot.cfg, and per-map mode with one
// <map>_bot.cfg per map, chosen in the per-map panel, checked for the map's waypoint file
// and, in the weapon-class scheme, for the country of the map's Allies.
#include "app/colours.h"
#include "app/zarn.h"

namespace {
constexpr const char* kFillServerFile = "bot.cfg";
constexpr const char* kMapFileTail = "_bot.cfg";
std::string inSturmbotFolder(const std::string& tail) { return "\\sturmbot\\" + tail; }
}  // namespace

void Zarn::chkSturmbotFillserver_Click() {
  if (chkSturmbotFillserver.checked()) {
    frmSturmbotSetup.setWidth(intFrameWidth);
    frmSturmbotCustom.setVisible(false);
    frmSturmbotCustom.setEnabled(false);
    strBotFileName = kFillServerFile;
    frmInfo.setCaption(strBotFileName);
    cmdSturmbotOK.setEnabled(true);
  } else {
    for (forms::CommandButton* button :
         {&cmdSturmbotOK, &cmdSturmbotDel, &cmdSturmbotClear, &cmdSturmbotSave, &cmdSturmbotAdd})
      button->setEnabled(false);
    frmSturmbotSetup.setWidth(intFrameWidthWide);
    // The map shown keeps what its last check found; the switch does not check it again.
    const std::string& map = cmbSturmbotMapList.text();
    if (map.empty()) lblSturmbotMapStatus.setCaption("Please select map");
    strBotFileName = map.empty() ? kFillServerFile : map + kMapFileTail;
    frmInfo.setCaption(strBotFileName);
    frmSturmbotCustom.setEnabled(true);
    frmSturmbotCustom.setVisible(true);
  }
  // Mod selection checks the box while every page is hidden: that must not open this page.
  if (frmSturmbotSetup.visible()) ShowBotText();
}

// Only the caption follows the map: the text shown is rebuilt by the next change.
void Zarn::cmbSturmbotMapList_Click() {
  const std::string map = cmbSturmbotMapList.text();
  cmdSturmbotOK.setEnabled(false);
  optSturmbotAxis1.setCaption("Axis");
  optSturmbotAllies2.setVisible(false);
  optSturmbotAllies1.setCaption("Allies");
  optSturmbotAllies1.setVisible(true);
  const std::string waypointFile = map + ".wpt";
  // The detection below may run a tool and wait for it: no file is in play meanwhile.
  strBotFileName = "invalid";
  frmInfo.setCaption(strBotFileName);
  ShowMapStatus("check matching waypoint file...", colours::kChecking);
  frmSturmbotCustom.setCaption(waypointFile);

  const bool hasWaypoints = FileIsPresent(ModPath(inSturmbotFolder("waypoints\\" + waypointFile)));
  if (hasWaypoints) {
    strBotFileName = map + kMapFileTail;
    ShowMapStatus("Waypoint file exists.", colours::kPrompt);
  } else {
    strBotFileName = kFillServerFile;
    system_.beep();
    ShowMapStatus("WARNING: No waypoint file exist.", colours::kError);
    cmdSturmbotAdd.setEnabled(false);
  }
  for (forms::Control* entry : std::initializer_list<forms::Control*>{
           &txtSturmbotName, &cmbSturmbotSkill, &optSturmbotAllies1, &optSturmbotAllies2, &optSturmbotAxis1,
           &cmbSturmbotClass})
    entry->setEnabled(hasWaypoints);
  if (hasWaypoints && blnWeaponClasses) {
    blnCountryKnown = 0;
    DetectAlliesCountry(map);
    ShowTeamCaptions();
  }

  frmInfo.setCaption(strBotFileName);
  cmdSturmbotClear.setEnabled(false);
  // An older file of the map can be deleted, also one of a map without waypoints.
  cmdSturmbotDel.setEnabled(!map.empty() && FileIsPresent(ModPath(inSturmbotFolder(map + kMapFileTail))));
}

void Zarn::ShowMapStatus(const std::string& text, forms::Color colour) {
  lblSturmbotMapStatus.setCaption(text);
  lblSturmbotMapStatus.setForeColor(colour);
}

// British Allies take the place of the U.S. ones; an unknown country leaves the neutral
// captions that the map choice has set.
void Zarn::ShowTeamCaptions() {
  if (!blnCountryKnown) return;
  optSturmbotAxis1.setCaption("German");
  forms::OptionButton& shown = blnAlliesBritish ? optSturmbotAllies2 : optSturmbotAllies1;
  forms::OptionButton& hidden = blnAlliesBritish ? optSturmbotAllies1 : optSturmbotAllies2;
  optSturmbotAllies1.setCaption("U.S.");
  optSturmbotAllies2.setCaption("British");
  hidden.setVisible(false);
  shown.setVisible(true);
}

void Zarn::cmdSturmbotSave_Click() {
  // Start Server waits for the next view or page Save to be weighed again.
  if (SaveSturmbotFile()) cmdSturmbotOK.setEnabled(true);
}

void Zarn::cmdSturmbotDel_Click() {
  const std::string& map = cmbSturmbotMapList.text();
  const std::string path = ModPath(inSturmbotFolder(map + kMapFileTail));
  if (!map.empty() && FileIsPresent(path)) {
    // A file that stays must not look gone: per-map mode stays with it.
    if (!DeleteFileOrAlert(path)) return;
    WaitABit();
  }
  chkSturmbotFillserver.setValue(1);
}
