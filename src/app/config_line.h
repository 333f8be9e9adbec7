// One line of zarn.ini, liblist.gam or a map's .cfg, split into its parts.
#pragma once

#include <string>
#include <string_view>

struct ConfigLine {
  std::string key;         // first run of non-blank characters
  std::string value;       // every non-blank character after the key, run together
  std::string quoted;      // between the first two double quotes from the key's end on
  std::string rest;        // the line after the key and one blank, blanks kept
  std::string limitTeam;   // "allies", "axis" or "brit" for a class-limit key
  std::string limitClass;  // the class of a class-limit key
  bool quoteFound = false;
  bool separatorFound = false;
};

// A blank is the space character only. Lines of any length are split.
ConfigLine splitConfigLine(std::string_view line);
