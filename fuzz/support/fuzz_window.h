// The one window of a fuzz target: started up once, as the program starts, on a game
// folder in memory, and then given one input after another as the operator would meet
// them. One window for all inputs keeps a run to microseconds; each target puts back
// what its reader changed, so that an input does the same alone as in a long run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/zarn.h"
#include "support/memory_platform.h"

// C:\Sierra\Half-Life\ with hl.exe, the mod "dod" with Sturmbot installed (its History.txt
// names version 3.0, so the weapon-class tables are loaded) and the mod "valve" without a
// bot. Each mod has the one map kMap, and dod has its entity export (Allies not British),
// so that no road runs ripent.exe.
inline const std::string kGameDir = "C:\\Sierra\\Half-Life\\";
inline const std::string kMap = "fuzzmap";

struct FuzzWindow {
  MemoryPlatform system;
  Zarn zarn{system};

  // The window of this process, started on first use.
  static FuzzWindow& instance();

  // Picks `mod` from the mod list as the operator does; the mod must be listed.
  void chooseMod(std::string_view mod);
  // Picks `mod` unless it is chosen already: for readers that work within one choice.
  void keepModChosen(std::string_view mod);

 private:
  FuzzWindow();
};

// The fuzzer's bytes as the text a file or a box would hold.
inline std::string inputText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// A property of the reader that the input broke: says which, and stops with a crash that
// the fuzzer keeps.
void require(bool holds, const char* property);

// Whether `part` stands somewhere in `text` in one piece.
inline bool isSubstring(std::string_view part, std::string_view text) {
  return text.find(part) != std::string_view::npos;
}
