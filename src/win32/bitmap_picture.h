// A picture the native view can draw: a bitmap owned for as long as a picture box holds it.
#pragma once

#include <windows.h>

#include "forms/control.h"

namespace win32 {

class BitmapPicture final : public forms::Picture {
 public:
  explicit BitmapPicture(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~BitmapPicture() override { DeleteObject(bitmap_); }
  BitmapPicture(const BitmapPicture&) = delete;
  BitmapPicture& operator=(const BitmapPicture&) = delete;

  // Unscaled, its top left corner at the top left of `dc`.
  void draw(HDC dc) const;

 private:
  HBITMAP bitmap_;
};

}  // namespace win32
