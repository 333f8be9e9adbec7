// Sturmbot's History.txt, as the choice of dod reads Sturmbot's version from its third line
// and sets up the class scheme and reaction times that the version selects.
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzWindow& window = FuzzWindow::instance();
  const std::string history = inputText(data, size);
  window.system.put(kGameDir + "dod\\sturmbot\\History.txt", history);
  window.chooseMod("dod");
  const std::string& version = window.zarn.strSturmbotVersion;
  require(isSubstring(version, history), "the version is read from the file");
  require(version.find_first_of("\r\n") == std::string::npos, "the version is on one line");
  return 0;
}
