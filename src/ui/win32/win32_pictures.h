// The program's pictures as the Win32 layer uses them: read from the BITMAP
// resources of the program's file, then made into image lists and bitmaps.
#pragma once

#include "ui/win32/win32_windows.h"

#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sigillo::ui::win32 {

// Colours with straight (not premultiplied) alpha, 0xAARRGGBB, top row first.
struct Picture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint32_t> pixels;
};

// The resource name of a picture: capitals, "_" for "-" ("padlock-closed" is
// PADLOCK_CLOSED).
std::wstring PictureResourceName(std::string_view picture);

// A 32-bit BITMAP resource of the module; nothing when it is missing or of another kind.
std::optional<Picture> LoadPicture(HINSTANCE module, std::string_view picture);

// A 32-bit top-down DIB section of the picture, its alpha premultiplied when asked
// (menus draw such bitmaps with their alpha; image lists take straight alpha).
HBITMAP PictureBitmap(const Picture& picture, bool premultiplied);

// An image list of 32-bit colour with alpha holding the pictures in their order
// (all of the size of the first); nullptr when it cannot be made.
HIMAGELIST PictureImageList(const std::vector<Picture>& pictures);

}  // namespace sigillo::ui::win32
