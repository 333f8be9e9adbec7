// liblist.gam up to its game line, as the choice of a mod reads it for the mod's title.
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzWindow& window = FuzzWindow::instance();
  const std::string liblist = inputText(data, size);
  window.system.put(kGameDir + "valve\\liblist.gam", liblist);
  window.chooseMod("valve");
  const std::string& title = window.zarn.lblModSupport.caption();
  require(title == "Not recognized" || isSubstring(title, liblist), "the title is quoted in the file");
  require(title.find_first_of("\r\n") == std::string::npos, "the title is on one line");
  return 0;
}
