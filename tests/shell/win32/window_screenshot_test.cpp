// The window under wine (or Windows) as a picture in both languages, for the README.
// Written only when SIGILLO_SCREENSHOT_DIR names a folder (the build's
// "windows-screenshots" target does); otherwise the picture is taken and checked.
#include <gtest/gtest.h>

#include "ui/win32/win32_windows.h"

#include <wincodec.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "toolz/wide_text.h"
#include "window_harness.h"

namespace sigillo::test {
namespace {

struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// The window with its frame, title bar and menu, as the screen shows it.
Screenshot Capture(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  Screenshot shot;
  shot.width = r.right - r.left;
  shot.height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = shot.width;
  format.bmiHeader.biHeight = -shot.height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, shot.width, shot.height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const uint32_t*>(bits);
  shot.pixels.assign(source, source + static_cast<size_t>(shot.width) * shot.height);
  for (uint32_t& p : shot.pixels)
    p &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

// A PNG file through the system's imaging component.
bool SavePng(const Screenshot& shot, const std::wstring& path) {
  IWICImagingFactory* factory = nullptr;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))))
    return false;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  bool ok =
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(static_cast<UINT>(shot.width), static_cast<UINT>(shot.height)));
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  ok = ok && SUCCEEDED(frame->SetPixelFormat(&format)) &&
       IsEqualGUID(format, GUID_WICPixelFormat32bppBGR);
  std::vector<uint32_t> pixels = shot.pixels;
  ok = ok && SUCCEEDED(frame->WritePixels(
                 static_cast<UINT>(shot.height), static_cast<UINT>(shot.width) * 4,
                 static_cast<UINT>(pixels.size() * 4), reinterpret_cast<BYTE*>(pixels.data())));
  ok = ok && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  if (frame != nullptr) frame->Release();
  if (encoder != nullptr) encoder->Release();
  if (stream != nullptr) stream->Release();
  factory->Release();
  return ok;
}

// A folder named the POSIX way is on wine's drive Z.
std::wstring WindowsFolder(const std::string& folder) {
  std::wstring result = WideOf(T(folder));
  if (!result.empty() && result[0] == L'/') result = L"Z:" + result;
  for (wchar_t& c : result) {
    if (c == L'/') c = L'\\';
  }
  if (!result.empty() && result.back() != L'\\') result += L'\\';
  return result;
}

TEST(ScreenshotTest, WindowInBothLanguages) {
  const char* folder = std::getenv("SIGILLO_SCREENSHOT_DIR");
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  for (const bool swedish : {true, false}) {
    SCOPED_TRACE(swedish);
    TestWindow w({}, swedish ? 1053 : 1033);
    w.ShowActive();
    SetWindowTextW(w.control("txtFileName"), L"C:\\Users\\anna\\Dokument\\deklaration.pdf");
    SetWindowTextW(w.control("txtPassword"), L"hemligt");
    SetWindowTextW(w.control("txtRepeatPassword"), L"hemligt");
    w.frm().btnEncrypt->SetEnabled(true);  // as for an existing file
    w.frm().btnEncrypt->SetDefault(true);
    w.frm().lblStatus->SetCaption(swedish ? u"Krypterar 37 %" : u"加密 37 %");
    SetFocus(w.control("txtRepeatPassword"));
    RedrawWindow(w.hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HandlePendingMessages();
    Sleep(200);  // until the display has it
    HandlePendingMessages();
    const Screenshot shot = Capture(w.hwnd());
    RECT client{};
    GetClientRect(w.hwnd(), &client);
    EXPECT_GT(shot.width, 249);
    EXPECT_GT(shot.height, 305);
    // Below the title bar and the menu, the client area shows the window's ground.
    POINT corner{10, 10};
    ClientToScreen(w.hwnd(), &corner);
    RECT window{};
    GetWindowRect(w.hwnd(), &window);
    const uint32_t ground = shot.pixels[static_cast<size_t>((corner.y - window.top) * shot.width +
                                                            (corner.x - window.left))];
    EXPECT_EQ(ground, static_cast<uint32_t>(GetRValue(GetSysColor(COLOR_BTNFACE)) << 16 |
                                            GetGValue(GetSysColor(COLOR_BTNFACE)) << 8 |
                                            GetBValue(GetSysColor(COLOR_BTNFACE))));
    if (folder != nullptr && *folder != '\0') {
      const std::wstring name =
          swedish ? L"window-windows-swedish.png" : L"window-windows-second-language.png";
      EXPECT_TRUE(SavePng(shot, WindowsFolder(folder) + name));
    }
  }
  CoUninitialize();
}

}  // namespace
}  // namespace sigillo::test
