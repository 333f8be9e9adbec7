#include <cmath>

#include "app/zarn.h"

Zarn::Zarn(platform::Platform& system) : system_(system) {
  DesignControls();
  WireEvents();
}

void Zarn::Form_Load() {
  InitDefaults();
  ResetPanels();
  SetGameFolder();
  CheckExecPath();
}

void Zarn::InitDefaults() {
  strVersion = "v1.0";
  strWindowsDir = system_.windowsDirectory();
  strTempDir = system_.tempDirectory();
  strHalfLifeDir = strWindowsDir.substr(0, 2) + "\\Sierra\\Half-Life\\";
  strSearchedDir = "";
  strIniName = "zarn.ini";
  strIniPath = strWindowsDir + "\\" + strIniName;
  strListFileName = "zarn.log";
  strBatchFileName = "zarn.bat";
  strCommandText = strServerText = strMapCycleText = strMotdText = strBotText = "";
  strSturmbotVersion = strAddBotLines = "";
  intCycleMapCount = 0;
  intFrameWidth = static_cast<Integer>(std::lround(frmControlCenter.width()));
  intFrameWidthWide = static_cast<Integer>(intFrameWidth + std::lround(frmInfo.width()));

  for (int players = 1; players <= 32; ++players) cmbMaxPlayers.addItem(std::to_string(players));
  for (int port = 27015; port <= 27019; ++port) cmbPort.addItem(std::to_string(port));
  for (int limit = -1; limit <= 32; ++limit) {
    cmbLimitAllies.addItem(std::to_string(limit));
    cmbLimitAxis.addItem(std::to_string(limit));
  }
  for (const char* mode : {"0-Normal", "1-Blood", "2-Bodies", "3-Explode"}) cmbSturmbotBlood.addItem(mode);
  for (int skill = 1; skill <= 8; ++skill) cmbSturmbotSkill.addItem(std::to_string(skill));

  txtExtra1.setText("-heapsize 64000");
  txtExtra2.setText("sv_maxspectators 4\r\n");
  txtExtra3.setText("bind F3 sturmbotmenu\r\nmaxteamkills 3\r\nmaxbodies 12\r\n");
  txtHostName.setText("My HL server.");
  LoadSettings();
  txtExec.setText(strHalfLifeDir + "hl.exe");
}
