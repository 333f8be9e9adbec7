#include "app/colours.h"
#include "app/zarn.h"

void Zarn::txtExec_Change() {
  // A folder whose search failed is searched again on the next change of the box, not by
  // the check that start-up repeats on the unchanged box.
  if (modSearchFailed_) strSearchedDir = "";
  SetGameFolder();
  CheckExecPath();
}

void Zarn::SetGameFolder() {
  const std::string& path = txtExec.text();
  if (path.size() <= 8) return;
  strHalfLifeDir = path.substr(0, path.size() - (chkDedicated.checked() ? 8 : 6));
}

void Zarn::CheckExecPath() {
  const std::string& path = txtExec.text();
  bool execOk = true;
  if (path.size() >= 2 && path[1] == ':') {
    const std::string expected = chkDedicated.checked() ? "hlds.exe" : "hl.exe";
    execOk = system_.lookUp(path) == expected;
    if (execOk) {
      if (strHalfLifeDir != strSearchedDir) {
        ResetPanels();
        strSearchedDir = strHalfLifeDir;
        modSearchFailed_ = !SearchMods();
        if (!modSearchFailed_) {
          if (cmbModList.listCount() > 0)
            ShowStatus("Please select a " + lblMod.caption(), colours::kPrompt);
          else
            ShowStatus("Error: No mods found!", colours::kError);
        }
      }
      cmbModList.setEnabled(true);
      lblMod.setEnabled(true);
    } else {
      system_.beep();
      ShowStatus("Error: Please fix Exec path!", colours::kError);
      cmbModList.setEnabled(false);
      lblMod.setEnabled(false);
      frmCommandLine.setVisible(false);
    }
  }
  if (execOk) SaveSettings();
}
