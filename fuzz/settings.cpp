// zarn.ini as the start-up reads it: LoadSettings, then the executable box takes the game
// folder that the file names, which checks the executable, searches a new folder's mods and
// writes the file again unless the executable is missing. What it writes reads back the same.
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzWindow& window = FuzzWindow::instance();
  Zarn& z = window.zarn;
  static const std::string startFolder = z.strHalfLifeDir;
  static const std::string startExec = z.txtExec.text();
  static const std::string startOptions = z.txtExtra1.text();

  const std::string ini = inputText(data, size);
  window.system.put(z.strIniPath, ini);
  z.LoadSettings();
  require(z.strHalfLifeDir == startFolder || isSubstring(z.strHalfLifeDir, ini), "the game folder is read from the file");
  require(z.txtExtra1.text() == startOptions || isSubstring(z.txtExtra1.text(), ini), "the options are read from the file");
  z.txtExec.setText(z.strHalfLifeDir + "hl.exe");
  if (window.system.fileText(z.strIniPath) != ini) {
    const std::string folder = z.strHalfLifeDir;
    const std::string options = z.txtExtra1.text();
    z.LoadSettings();
    require(z.strHalfLifeDir == folder && z.txtExtra1.text() == options, "the settings written read back the same");
  }

  z.txtExtra1.setText(startOptions);
  z.txtExec.setText(startExec);
  return 0;
}
