#include "win32/gdi_cache.h"

#include <cmath>
#include <cstring>

#include "win32/ansi.h"

namespace win32 {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;
}

COLORREF colorRef(forms::Color color) {
  return forms::isSystemColor(color) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

GdiCache::~GdiCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [key, brush] : brushes_) DeleteObject(brush);
}

HFONT GdiCache::font(const forms::Font& font) {
  HFONT dialogFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (font.face.empty() && font.points <= 0 && !font.bold) return dialogFont;
  const auto key = std::make_tuple(font.face, font.points, font.bold);
  if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  // Start from the dialog font, so what the design leaves open stays the system's.
  LOGFONTA shape{};
  GetObjectA(dialogFont, sizeof shape, &shape);
  if (!font.face.empty()) {
    const std::string face = toAnsi(font.face);
    std::strncpy(shape.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    shape.lfFaceName[LF_FACESIZE - 1] = '\0';
  }
  if (font.points > 0) shape.lfHeight = -static_cast<LONG>(std::lround(font.points * kPixelsPerPoint));
  shape.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  HFONT made = CreateFontIndirectA(&shape);
  if (!made) return dialogFont;
  fonts_.emplace(key, made);
  return made;
}

HBRUSH GdiCache::brush(forms::Color color) {
  const COLORREF rgb = colorRef(color);
  if (auto found = brushes_.find(rgb); found != brushes_.end()) return found->second;
  HBRUSH made = CreateSolidBrush(rgb);
  brushes_.emplace(rgb, made);
  return made;
}

}  // namespace win32
