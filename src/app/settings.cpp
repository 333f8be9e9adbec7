#include "app/busy_pointer.h"
#include "app/text_lines.h"
#include "app/zarn.h"

void Zarn::LoadSettings() {
  if (system_.lookUp(strIniPath) != strIniName) return;
  BusyPointer busy(system_);
  const std::optional<std::string> text = system_.readTextFile(strIniPath);
  if (!text) return;
  for (const std::string& line : splitLines(*text)) {
    ParseConfigLine(line);
    if (strKey == "path" && !strValue.empty()) strHalfLifeDir = strRest;
    if (strKey == "options" && !strRest.empty()) txtExtra1.setText(strRest);
  }
}

void Zarn::SaveSettings() {
  BusyPointer busy(system_);
  std::string error;
  if (WriteTextFileQuietly(strIniPath, {"path " + strHalfLifeDir, "options " + txtExtra1.text()}, error)) return;
  // Saved on every keystroke of the path: say it once, not on every key.
  if (settingsFailureReported_) return;
  settingsFailureReported_ = true;
  Alert("The settings cannot be saved in " + strIniPath + ": " + error);
}
