// What a map's entity export says about the map's Allies.
#pragma once

#include <string_view>

struct AlliesCountry {
  bool known = false;    // a line holds the key
  bool british = false;  // the value on the last such line begins with "1"
};

// Scans the export line by line for the key "detect_allies_country" (letter case counts)
// followed by a blank and its value in double quotes.
AlliesCountry scanEntities(std::string_view exportText);
