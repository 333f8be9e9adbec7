// A map's entity export as the detection of British Allies reads it: the export already
// stands beside the map, so the window scans it without running ripent.exe.
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzWindow& window = FuzzWindow::instance();
  Zarn& z = window.zarn;
  window.keepModChosen("dod");

  const std::string exportText = inputText(data, size);
  window.system.put(kGameDir + "dod\\maps\\" + kMap + ".ent", exportText);
  z.blnCountryKnown = 0;
  z.blnAlliesBritish = 0;
  z.DetectAlliesCountry(kMap);
  require(z.blnCountryKnown == 0 || isSubstring("detect_allies_country", exportText), "only the key tells the country");
  require(z.blnCountryKnown == 1 || z.blnAlliesBritish == 0, "British only when the country is known");
  return 0;
}
