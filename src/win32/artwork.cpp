#include "win32/artwork.h"

#include <algorithm>
#include <array>

namespace win32 {

namespace {

constexpr int kBackdropWidth = 640, kBackdropHeight = 480, kTile = 80;
constexpr int kIconSize = 32;

// The 16 colours of the classic display; the emblem's red and black are among them.
constexpr std::array<RGBQUAD, 16> kClassicColours = {{
    {0, 0, 0, 0}, {0, 0, 128, 0}, {0, 128, 0, 0}, {0, 128, 128, 0},
    {128, 0, 0, 0}, {128, 0, 128, 0}, {128, 128, 0, 0}, {192, 192, 192, 0},
    {128, 128, 128, 0}, {0, 0, 255, 0}, {0, 255, 0, 0}, {0, 255, 255, 0},
    {255, 0, 0, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {255, 255, 255, 0},
}};

void drawEmblem(HDC dc, int left, int top, int size, COLORREF red) {
  HPEN pen = CreatePen(PS_SOLID, std::max(2, size / 14), red);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  const int ring = size / 10;
  Ellipse(dc, left + ring, top + ring, left + size - ring, top + size - ring);
  const int inner = size / 3, outer = size - size / 3;
  const POINT zed[] = {{left + inner, top + inner}, {left + outer, top + inner}, {left + inner, top + outer},
                       {left + outer, top + outer}};
  Polyline(dc, zed, 4);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

// A DIB section of the given depth, black, with `draw` run on a memory DC that holds it.
template <typename Draw>
HBITMAP paintedBitmap(BITMAPINFO* info, Draw draw) {
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  const RECT all{0, 0, info->bmiHeader.biWidth, info->bmiHeader.biHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  draw(dc);
  SelectObject(dc, previous);
  DeleteDC(dc);
  GdiFlush();
  return bitmap;
}

BITMAPINFOHEADER header(int width, int height, WORD bitsPerPixel) {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = bitsPerPixel;
  h.biCompression = BI_RGB;
  return h;
}

}  // namespace

std::shared_ptr<BitmapPicture> makeBackdrop() {
  BITMAPINFO info{};
  info.bmiHeader = header(kBackdropWidth, kBackdropHeight, 24);
  HBITMAP bitmap = paintedBitmap(&info, [](HDC dc) {
    for (int top = 0; top < kBackdropHeight; top += kTile)
      for (int left = 0; left < kBackdropWidth; left += kTile) drawEmblem(dc, left, top, kTile, RGB(176, 0, 0));
  });
  return bitmap ? std::make_shared<BitmapPicture>(bitmap) : nullptr;
}

HICON makeWindowIcon() {
  struct {
    BITMAPINFOHEADER header;
    std::array<RGBQUAD, 16> colours;
  } info{header(kIconSize, kIconSize, 4), kClassicColours};
  HBITMAP colour = paintedBitmap(reinterpret_cast<BITMAPINFO*>(&info),
                                 [](HDC dc) { drawEmblem(dc, 0, 0, kIconSize, RGB(255, 0, 0)); });
  if (!colour) return nullptr;
  const std::array<BYTE, kIconSize * kIconSize / 8> opaque{};  // every pixel shows its colour
  HBITMAP mask = CreateBitmap(kIconSize, kIconSize, 1, 1, opaque.data());
  ICONINFO icon{TRUE, 0, 0, mask, colour};
  HICON made = CreateIconIndirect(&icon);
  DeleteObject(mask);
  DeleteObject(colour);
  return made;
}

}  // namespace win32
