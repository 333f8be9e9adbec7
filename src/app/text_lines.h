// Splitting the texts the program reads into lines and items.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/batch_text.h"

// Lines ended by CR LF (a lone CR or LF ends a line too); a last line without an end counts.
std::vector<std::string> splitLines(std::string_view text);

// Items separated by commas or line ends, enclosing double quotes removed; empty items
// are dropped.
std::vector<std::string> splitItems(std::string_view text);

// The text with A to Z in lower case, as the mods are recognised by their folder names.
std::string lowerCase(std::string_view text);

// The name after the path's last backslash: "zarn.log" of "C:\TEMP\zarn.log".
std::string bareName(std::string_view path);

// The former name of quotedIfSpecial (app/batch_text.h), still used by the searches' and
// the hidden batch run's command lines.
inline std::string quotedIfBlank(const std::string& path) { return quotedIfSpecial(path); }

// The first character whole, empty for an empty text: one of UTF-8 may take several bytes.
std::string firstCharacter(std::string_view text);
