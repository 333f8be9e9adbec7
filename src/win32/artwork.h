// The program's own pictures, drawn when it starts: the backdrop behind the pages and the
// window's icon, both showing the emblem (a ring round a Z) in red on black.
#pragma once

#include <windows.h>

#include <memory>

#include "win32/bitmap_picture.h"

namespace win32 {

// 640 x 480 pixels, 24 bits a pixel, the emblem tiled.
std::shared_ptr<BitmapPicture> makeBackdrop();
// 32 x 32 pixels in 16 colours.
HICON makeWindowIcon();

}  // namespace win32
