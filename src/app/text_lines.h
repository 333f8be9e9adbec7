// Splitting the texts the program reads into lines; letter case and quoting of paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Lines ended by CR LF (a lone CR or LF ends a line too); a last line without an end counts.
std::vector<std::string> splitLines(std::string_view text);

// The text with A to Z in lower case, as the mods are recognised by their folder names.
std::string lowerCase(std::string_view text);

// A path handed to the command interpreter: quoted when it holds a blank, else as it is.
std::string quotedIfBlank(const std::string& path);
