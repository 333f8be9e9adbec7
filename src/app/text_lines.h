// Splitting the texts the program reads into lines; letter case; names in paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Lines ended by CR LF (a lone CR or LF ends a line too); a last line without an end counts.
std::vector<std::string> splitLines(std::string_view text);

// The text with A to Z in lower case, as the mods are recognised by their folder names.
std::string lowerCase(std::string_view text);

// The name after the path's last backslash: "zarn.log" of "C:\TEMP\zarn.log".
std::string bareName(std::string_view path);

// The first character whole, empty for an empty text: one of UTF-8 may take several bytes.
std::string firstCharacter(std::string_view text);
