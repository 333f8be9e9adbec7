#include "app/config_line.h"

#include "app/zarn.h"

namespace {
// The characters of `text` from 1-based position `from` on (empty beyond its end).
std::string from(const std::string& text, std::size_t position, std::size_t count = std::string::npos) {
  return position - 1 < text.size() ? text.substr(position - 1, count) : std::string();
}

void splitClassLimit(ConfigLine& parts) {
  if (parts.key.compare(0, 8, "mp_limit") != 0 || parts.value.empty()) return;
  const std::string team = from(parts.key, 9, 4);
  if (team == "brit" || team == "axis") {
    parts.limitTeam = team;
    parts.limitClass = from(parts.key, 13);
  } else if (team == "alli") {
    parts.limitTeam = from(parts.key, 9, 6);
    parts.limitClass = from(parts.key, 15);
  }
}
}  // namespace

ConfigLine splitConfigLine(std::string_view line) {
  ConfigLine parts;
  for (char c : line) {
    if (c == ' ') {
      if (!parts.key.empty()) parts.separatorFound = true;
    } else if (parts.separatorFound) {
      parts.value += c;
    } else {
      parts.key += c;
    }
  }
  if (parts.separatorFound) {
    // The scan starts on the key's last character, counted from the line's start: a key
    // ending in a double quote opens the quoted text.
    for (std::size_t p = parts.key.size(); p <= line.size(); ++p) {
      const char c = line[p - 1];
      if (!parts.quoteFound) {
        if (c == '"') parts.quoteFound = true;
      } else if (c == '"') {
        break;
      } else {
        parts.quoted += c;
      }
    }
    const std::size_t restLength = line.size() - parts.key.size() - 1;
    parts.rest = std::string(line.substr(line.size() - restLength));
  }
  splitClassLimit(parts);
  return parts;
}

void Zarn::ParseConfigLine(const std::string& line) {
  ConfigLine parts = splitConfigLine(line);
  strKey = std::move(parts.key);
  strValue = std::move(parts.value);
  strQuoted = std::move(parts.quoted);
  strRest = std::move(parts.rest);
  strLimitTeam = std::move(parts.limitTeam);
  strLimitClass = std::move(parts.limitClass);
  blnQuoteFound = parts.quoteFound ? 1 : 0;
  blnSeparatorFound = parts.separatorFound ? 1 : 0;
}
