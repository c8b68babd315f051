#include "ui/win32/win32_pictures.h"

#include <cstring>

namespace sigillo::ui::win32 {

std::wstring PictureResourceName(std::string_view picture) {
  std::wstring name;
  for (const char c : picture) {
    if (c == '-') {
      name += L'_';
    } else if (c >= 'a' && c <= 'z') {
      name += static_cast<wchar_t>(c - 'a' + 'A');
    } else {
      name += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
  }
  return name;
}

std::optional<Picture> LoadPicture(HINSTANCE module, std::string_view picture) {
  const std::wstring name = PictureResourceName(picture);
  HRSRC found = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
  const DWORD size = SizeofResource(module, found);
  if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) return std::nullopt;

  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof header);
  if (header.biBitCount != 32 || header.biCompression != BI_RGB || header.biWidth <= 0 ||
      header.biHeight == 0 || header.biWidth > 256 || header.biHeight > 256 ||
      header.biHeight < -256) {
    return std::nullopt;
  }
  Picture result;
  result.width = header.biWidth;
  result.height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  const size_t offset = header.biSize + header.biClrUsed * sizeof(RGBQUAD);
  const size_t count = static_cast<size_t>(result.width) * static_cast<size_t>(result.height);
  if (offset + count * 4 > size) return std::nullopt;
  result.pixels.resize(count);
  for (int32_t row = 0; row < result.height; ++row) {
    // Rows are stored from the bottom up unless the height is negative.
    const int32_t stored = header.biHeight > 0 ? result.height - 1 - row : row;
    const unsigned char* source =
        data + offset + static_cast<size_t>(stored) * static_cast<size_t>(result.width) * 4;
    for (int32_t x = 0; x < result.width; ++x) {
      const unsigned char* p = source + static_cast<size_t>(x) * 4;
      result.pixels[static_cast<size_t>(row * result.width + x)] =
          static_cast<uint32_t>(p[3]) << 24 | static_cast<uint32_t>(p[2]) << 16 |
          static_cast<uint32_t>(p[1]) << 8 | p[0];
    }
  }
  return result;
}

HBITMAP PictureBitmap(const Picture& picture, bool premultiplied) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top-down, as the pixels are kept
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) return bitmap;
  auto* out = static_cast<uint32_t*>(bits);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    uint32_t p = picture.pixels[i];
    if (premultiplied) {
      const uint32_t a = p >> 24;
      const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
      p = a << 24 | scale((p >> 16) & 0xFF) << 16 | scale((p >> 8) & 0xFF) << 8 | scale(p & 0xFF);
    }
    out[i] = p;
  }
  GdiFlush();
  return bitmap;
}

HIMAGELIST PictureImageList(const std::vector<Picture>& pictures) {
  const int32_t width = pictures.empty() ? 16 : pictures.front().width;
  const int32_t height = pictures.empty() ? 16 : pictures.front().height;
  HIMAGELIST list =
      ImageList_Create(width, height, ILC_COLOR32, static_cast<int>(pictures.size()), 1);
  if (list == nullptr) return nullptr;
  for (const Picture& picture : pictures) {
    HBITMAP bitmap = PictureBitmap(picture, false);
    ImageList_Add(list, bitmap, nullptr);
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
  return list;
}

}  // namespace sigillo::ui::win32
