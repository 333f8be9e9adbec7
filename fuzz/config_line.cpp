// The configuration-line splitter that zarn.ini, liblist.gam and a map's .cfg go through.
// Its parts are pieces of the line: the value alone runs the blanks out of its piece.
#include "app/config_line.h"
#include "support/fuzz_window.h"

namespace {
bool isSubsequence(std::string_view part, std::string_view text) {
  std::size_t at = 0;
  for (char c : part) {
    at = text.find(c, at);
    if (at == std::string_view::npos) return false;
    ++at;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line = inputText(data, size);
  const ConfigLine parts = splitConfigLine(line);
  for (const std::string* piece : {&parts.key, &parts.quoted, &parts.rest})
    require(isSubstring(*piece, line), "key, quoted text and rest are substrings of the line");
  require(isSubsequence(parts.value, line), "the value is the line's characters in order");
  require(isSubstring(parts.limitTeam, parts.key) && isSubstring(parts.limitClass, parts.key),
          "a class limit's side and class are pieces of its key");
  require(parts.key.find(' ') == std::string::npos && parts.value.find(' ') == std::string::npos,
          "key and value hold no blank");
  return 0;
}
