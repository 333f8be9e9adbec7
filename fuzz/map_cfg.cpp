// A map's <map>.cfg as the class-limit editor loads it and its Save writes it: a file the
// Save wrote, loaded and saved again, is byte-identical. The first byte picks Sturmbot's
// class scheme (bit 0: class types, else weapon classes) and, for weapon classes, whether
// the map's Allies are British (bit 1); the rest is the file.
#include "support/fuzz_window.h"

namespace {
// Ticks the editor's box, which loads the map's file into the tables, and saves.
std::string loadAndSave(FuzzWindow& window, const std::string& path) {
  window.zarn.chkClassLimit.setValue(1);
  window.zarn.cmdClassLimitOK_Click();
  return window.system.fileText(path);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  FuzzWindow& window = FuzzWindow::instance();
  Zarn& z = window.zarn;
  const std::string version = data[0] & 1 ? "1.5" : "3.0";
  if (z.strSturmbotVersion != version) {
    window.system.put(kGameDir + "dod\\sturmbot\\History.txt", "Sturmbot\r\n\r\n" + version + "\r\n");
    window.chooseMod("dod");
  }
  if (z.lstMapList.text() != kMap) z.lstMapList.setListIndex(0);
  window.system.put(kGameDir + "dod\\maps\\" + kMap + ".ent",
                    std::string("\"detect_allies_country\" \"") + (data[0] & 2 ? "1" : "0") + "\"\r\n");

  const std::string path = kGameDir + "dod\\" + kMap + ".cfg";
  window.system.put(path, inputText(data + 1, size - 1));
  const std::string saved = loadAndSave(window, path);
  require(loadAndSave(window, path) == saved, "a file the Save wrote, loaded and saved again, is byte-identical");
  return 0;
}
