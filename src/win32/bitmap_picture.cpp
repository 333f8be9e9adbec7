#include "win32/bitmap_picture.h"

namespace win32 {

void BitmapPicture::draw(HDC dc) const {
  BITMAP info{};
  GetObjectA(bitmap_, sizeof info, &info);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap_);
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}

}  // namespace win32
