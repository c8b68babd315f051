// The window as built: every control's place, size, caption in both languages and
// settings, the menu, the painted lines, the pictures and the program's resources.
#include <gtest/gtest.h>

#include "ui/win32/win32_windows.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "toolz/wide_text.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_menu.h"
#include "window_expectations.h"
#include "window_harness.h"

namespace sigillo::test {
namespace {

ui::Rect BoundsOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LOGFONTW FontOf(HWND window) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// What the system measures for the text in the control's font.
SIZE TextExtent(HWND window, const Text& text) {
  HDC dc = GetDC(window);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  const std::wstring wide = WideOf(text);
  RECT r{};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return {r.right - r.left, r.bottom - r.top};
}

bool HasStyle(HWND window, LONG_PTR style) {
  return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

Text ClassOf(HWND window) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  return UpperText(TextOfWide(name));
}

TEST_P(LayoutTest, EveryControlAsDescribed) {
  const bool swedish = GetParam();
  TestWindow w({}, LocaleOf(swedish));
  for (const ControlRow& row : kControls) {
    SCOPED_TRACE(row.name);
    const HWND window = w.control(row.name);
    ASSERT_NE(window, nullptr);
    const ui::Rect bounds = BoundsOf(window);
    const Text caption = swedish ? row.swedish : row.second;
    EXPECT_EQ(IsWindowEnabled(window) != FALSE, row.enabled);
    EXPECT_EQ(HasStyle(window, WS_TABSTOP), row.tab_order >= 0);
    if (row.kind == Kind::kAutoLabel) {
      const SIZE extent = TextExtent(window, caption);
      EXPECT_EQ(bounds, (ui::Rect{row.bounds.left, row.bounds.top, extent.cx, extent.cy}));
      EXPECT_EQ(bounds.height, 13);  // one line of the 11-pixel font
    } else {
      EXPECT_EQ(bounds, row.bounds);
    }
    EXPECT_EQ(ui::win32::WindowTextOf(window), caption);
    const LOGFONTW font = FontOf(window);
    switch (row.kind) {
      case Kind::kLabel:
      case Kind::kAutoLabel:
        EXPECT_EQ(ClassOf(window), u"STATIC");
        EXPECT_TRUE(HasStyle(window, SS_NOPREFIX));
        break;
      case Kind::kEdit:
        EXPECT_EQ(ClassOf(window), u"EDIT");
        EXPECT_FALSE(HasStyle(window, ES_PASSWORD));
        EXPECT_GE(SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);  // no limit
        break;
      case Kind::kPassword:
        EXPECT_EQ(ClassOf(window), u"EDIT");
        EXPECT_TRUE(HasStyle(window, ES_PASSWORD));
        EXPECT_EQ(SendMessageW(window, EM_GETPASSWORDCHAR, 0, 0), '*');
        EXPECT_EQ(SendMessageW(window, EM_GETLIMITTEXT, 0, 0), 256);
        EXPECT_STREQ(font.lfFaceName, L"Fixedsys");
        EXPECT_EQ(font.lfHeight, -12);
        break;
      case Kind::kButton: {
        EXPECT_EQ(ClassOf(window), u"BUTTON");
        EXPECT_FALSE(w.is_default(row.name));
        BUTTON_IMAGELIST images{};
        EXPECT_TRUE(SendMessageW(window, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images)));
        EXPECT_NE(images.himl, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(images.himl), 1);
        EXPECT_EQ(images.uAlign, static_cast<UINT>(BUTTON_IMAGELIST_ALIGN_LEFT));
        EXPECT_EQ(images.margin.left, 4);
        EXPECT_EQ(images.margin.top, 4);
        EXPECT_EQ(images.margin.right, 4);
        EXPECT_EQ(images.margin.bottom, 4);
        break;
      }
    }
    if (row.kind != Kind::kPassword && std::strcmp(row.name, "lblStatus") != 0) {
      EXPECT_STREQ(font.lfFaceName, L"Tahoma");
      EXPECT_EQ(font.lfHeight, -11);
    }
  }
  const HWND status = w.control("lblStatus");
  EXPECT_EQ(GetWindowLongPtrW(status, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
  EXPECT_STREQ(FontOf(status).lfFaceName, L"Fixedsys");
  EXPECT_EQ(FontOf(status).lfHeight, -12);
}

TEST_P(LayoutTest, WindowTitleSizeAndMenu) {
  const bool swedish = GetParam();
  TestWindow w({}, LocaleOf(swedish));
  EXPECT_EQ(ui::win32::WindowTextOf(w.hwnd()), WindowTitle(swedish));
  EXPECT_EQ(App().Title(), w.frm().Form().Caption());
  EXPECT_FALSE(IsWindowVisible(w.hwnd()));  // shown by the message loop
  w.ShowActive();
  RECT client{};
  GetClientRect(w.hwnd(), &client);
  EXPECT_EQ(client.right, kClientWidth);
  EXPECT_EQ(client.bottom, kClientHeight);
  // A single border, the system menu and the minimise button only.
  const LONG_PTR style = GetWindowLongPtrW(w.hwnd(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(GetWindowLongPtrW(w.hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  // Centred on the screen.
  RECT window{};
  GetWindowRect(w.hwnd(), &window);
  EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

  const HMENU bar = GetMenu(w.hwnd());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  for (const MenuRow& row : kMenus) {
    SCOPED_TRACE(row.name);
    wchar_t text[64] = {};
    if (!row.item) {  // the menu itself, by its place on the bar
      GetMenuStringW(bar, static_cast<UINT>(row.bar), text, 64, MF_BYPOSITION);
      EXPECT_EQ(TextOfWide(text), swedish ? row.swedish : row.second);
      continue;
    }
    const HMENU submenu = GetSubMenu(bar, row.bar);
    ASSERT_NE(submenu, nullptr);
    ASSERT_EQ(GetMenuItemCount(submenu), 1);
    GetMenuStringW(submenu, 0, text, 64, MF_BYPOSITION);
    // The shortcut stands after a tab, as the system's menus show it.
    EXPECT_EQ(TextOfWide(text), Text(swedish ? row.swedish : row.second) + u"\t" + row.shortcut);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_ID | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoW(submenu, 0, TRUE, &info));
    EXPECT_NE(info.hbmpItem, nullptr);
    EXPECT_FALSE(info.fState & MFS_GRAYED);
    const ui::win32::Win32MenuItem* item = w.form().MenuItemNamed(row.name);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(info.wID, item->command());
    EXPECT_EQ(item->Shortcut(), row.shortcut);
  }
}

// Each label stands just before its box, which is how screen readers name the box.
TEST(WindowTest, EachLabelStandsJustBeforeItsBox) {
  TestWindow w;
  EXPECT_EQ(GetWindow(w.control("txtFileName"), GW_HWNDPREV), w.control("lblFileName"));
  EXPECT_EQ(GetWindow(w.control("txtPassword"), GW_HWNDPREV), w.control("lblPassword"));
  EXPECT_EQ(GetWindow(w.control("txtRepeatPassword"), GW_HWNDPREV), w.control("lblRepeatPassword"));
}

TEST(WindowTest, PasswordBoxesMaskAndLimitTypedAndPastedText) {
  TestWindow w;
  w.ShowActive();
  for (const char* name : {"txtPassword", "txtRepeatPassword"}) {
    SCOPED_TRACE(name);
    const HWND box = w.control(name);
    TestWindow::Type(box, u"pässw0rd");
    EXPECT_EQ(w.text(name), u"pässw0rd");
    EXPECT_TRUE(HasStyle(box, ES_PASSWORD));
    SetWindowTextW(box, L"");
    TestWindow::Type(box, Text(300, u'x'));
    EXPECT_EQ(w.text(name).size(), 256u);
    SetWindowTextW(box, L"");
    const std::wstring pasted(300, L'y');
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pasted.c_str()));
    EXPECT_EQ(w.text(name).size(), 256u);
  }
  const std::wstring long_name(1000, L'z');
  SendMessageW(w.control("txtFileName"), EM_REPLACESEL, TRUE,
               reinterpret_cast<LPARAM>(long_name.c_str()));
  EXPECT_EQ(w.text("txtFileName").size(), 1000u);
}

TEST(WindowTest, EtchedLinesArePaintedAtEveryRepaint) {
  TestWindow w;
  w.ShowActive();
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(shadow, face);
  ASSERT_NE(highlight, face);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass);
    RedrawWindow(w.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(w.hwnd());
    for (int y : {96, 152, 208, 248}) {
      SCOPED_TRACE(y);
      for (int x : {16, 100, 231}) {
        EXPECT_EQ(GetPixel(dc, x, y), shadow) << x;
        EXPECT_EQ(GetPixel(dc, x, y + 1), highlight) << x;
      }
      // Neither line paints its end point, nor anything before its start.
      EXPECT_EQ(GetPixel(dc, 232, y), face);
      EXPECT_EQ(GetPixel(dc, 232, y + 1), face);
      EXPECT_EQ(GetPixel(dc, 15, y), face);
      EXPECT_EQ(GetPixel(dc, 100, y + 2), face);
    }
    // The status line has the ground of the window.
    EXPECT_EQ(GetPixel(dc, 20, 222), face);
    ReleaseDC(w.hwnd(), dc);
    // Covered in part and uncovered: painted anew.
    const RECT covered{0, 90, 120, 260};
    InvalidateRect(w.hwnd(), &covered, TRUE);
    UpdateWindow(w.hwnd());
  }
}

TEST(WindowTest, PicturesAreSixteenPixelsOnTransparentGround) {
  TestWindow w;
  std::vector<const ui::win32::Picture*> pictures;
  for (const char* list : {"ilMenus", "ilButtons"}) {
    const ui::win32::Win32ImageList* images = w.form().ImageListNamed(list);
    ASSERT_NE(images, nullptr) << list;
    EXPECT_EQ(ImageList_GetImageCount(images->handle()), images->Count());
    for (int32_t i = 0; i < images->Count(); ++i)
      pictures.push_back(images->At(i));
  }
  ASSERT_EQ(pictures.size(), 5u);
  for (const ui::win32::Picture* picture : pictures) {
    EXPECT_EQ(picture->width, 16);
    EXPECT_EQ(picture->height, 16);
    EXPECT_EQ(picture->pixels[0] >> 24, 0u);  // a transparent corner
    size_t opaque = 0;
    for (const uint32_t p : picture->pixels)
      opaque += (p >> 24) == 255 ? 1 : 0;
    EXPECT_GT(opaque, 40u);
  }
  // Closed and open padlocks differ.
  EXPECT_NE(pictures[3]->pixels, pictures[4]->pixels);
}

// The icon's pixel at (x, y) at the given size, as the system loads it.
COLORREF IconPixel(HICON icon, int size, int x, int y) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return CLR_INVALID;
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size;
  format.bmiHeader.biHeight = -size;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> pixels(static_cast<size_t>(size * size));
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  const uint32_t p = pixels[static_cast<size_t>(y * size + x)];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

TEST(ResourcesTest, IconInBothSizesOnTheWindow) {
  TestWindow w;
  EXPECT_NE(GetClassLongPtrW(w.hwnd(), GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrW(w.hwnd(), GCLP_HICONSM), 0);
  struct Pixel {
    int size, x, y;
    COLORREF colour;
  };
  const std::vector<Pixel> pixels = {
      {16, 0, 0, RGB(0, 0, 0)},        // the frame
      {16, 1, 1, RGB(255, 255, 255)},  // the ground
      {16, 2, 5, RGB(255, 0, 0)},      // the Q
      {32, 0, 0, RGB(0, 0, 0)},       {32, 1, 1, RGB(255, 255, 255)}, {32, 4, 10, RGB(255, 0, 0)},
  };
  for (const Pixel& p : pixels) {
    SCOPED_TRACE(p.size);
    const auto icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, p.size, p.size, 0));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(IconPixel(icon, p.size, p.x, p.y), p.colour) << p.x << "," << p.y;
    DestroyIcon(icon);
  }
}

// What the program's file says of itself.
TEST(ResourcesTest, VersionAndManifestOfTheProgram) {
  const std::wstring program = BuiltProgram(SIGILLO_PROGRAM_PATH).wstring();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, data.data()));
  const auto value = [&data](const wchar_t* name) {
    wchar_t* text = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
      return Text();
    return TextOfWide(std::wstring_view(text, length > 0 ? length - 1 : 0));
  };
  EXPECT_EQ(value(L"FileDescription"), u"Sigillo 1.41");
  EXPECT_EQ(value(L"ProductName"), u"Sigillo");
  EXPECT_EQ(value(L"ProductVersion"), u"1.41");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010029u);  // 1.41

  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr);
  const auto* manifest = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const std::string text(manifest, SizeofResource(module, found));
  EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
            std::string::npos);
  EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
  FreeLibrary(module);
}

}  // namespace
}  // namespace sigillo::test
