// Fonts and brushes of the window, each made once and kept for the window's life.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/control.h"

namespace win32 {

// A model colour (0x00BBGGRR, or a system colour index with the top bit set).
COLORREF colorRef(forms::Color color);

class GdiCache {
 public:
  GdiCache() = default;
  GdiCache(const GdiCache&) = delete;
  GdiCache& operator=(const GdiCache&) = delete;
  ~GdiCache();

  HFONT font(const forms::Font& font);
  HBRUSH brush(forms::Color color);

 private:
  std::map<std::tuple<std::string, double, bool>, HFONT> fonts_;
  std::map<COLORREF, HBRUSH> brushes_;
};

}  // namespace win32
