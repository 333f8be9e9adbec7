#include "bots/entity_scan.h"

#include <optional>

#include "app/text_lines.h"

namespace {
constexpr std::string_view kKey = "detect_allies_country";
// From the key's first character to the value's: the key, its closing quote, a blank and
// the value's opening quote.
constexpr std::size_t kValueOffset = kKey.size() + 3;

// Whether the line's key says British; nothing when the line holds no key where the scan
// looks. The first position is always tried, a later one only while a value after it would
// still be on the line; a key too close to the end for its value says not British.
std::optional<bool> britishOnLine(std::string_view line) {
  for (std::size_t p = 0; p == 0 || p + kValueOffset < line.size(); ++p)
    if (line.substr(p, kKey.size()) == kKey) return p + kValueOffset < line.size() && line[p + kValueOffset] == '1';
  return std::nullopt;
}
}  // namespace

AlliesCountry scanEntities(std::string_view exportText) {
  AlliesCountry country;
  for (const std::string& line : splitLines(exportText)) {
    if (const std::optional<bool> british = britishOnLine(line)) {
      country.known = true;
      country.british = *british;
    }
  }
  return country;
}
