// A folder listing as the map search reads it, run by the choice of a mod: the input's
// lines are the names the listing gives, in order. The map lists keep the maps among them,
// in the listing's order, each a listed name less its ".bsp".
#include "app/text_lines.h"
#include "support/fuzz_window.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzWindow& window = FuzzWindow::instance();
  Zarn& z = window.zarn;
  const std::vector<std::string> names = splitLines(inputText(data, size));
  const std::vector<std::string> startListing = window.system.listing;
  window.system.listing = names;
  window.chooseMod("valve");
  window.system.listing = startListing;

  require(z.cmbMapList1.listCount() == z.lstMapList.listCount(), "both map lists hold the same maps");
  std::size_t next = 0;
  for (int index = 0; index < z.lstMapList.listCount(); ++index) {
    const std::string& map = z.lstMapList.list(index);
    require(z.cmbMapList1.list(index) == map, "both map lists hold the same maps");
    while (next < names.size() && !(names[next].size() == map.size() + 4 && names[next].starts_with(map) &&
                                    lowerCase(names[next].substr(map.size())) == ".bsp"))
      ++next;
    require(next < names.size(), "each map is a listed name less its .bsp, in the listing's order");
    ++next;
  }
  return 0;
}
