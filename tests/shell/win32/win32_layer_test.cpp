// The parts of the Win32 layer that need no window: the command line as the
// platform splits it, the dialog's filter, the menu's shortcut keys, picture names.
#include <gtest/gtest.h>

#include "ui/win32/win32_windows.h"

#include <optional>
#include <string>
#include <vector>

#include "ui/win32/win32_command_line.h"
#include "ui/win32/win32_dialogs.h"
#include "ui/win32/win32_menu.h"
#include "ui/win32/win32_pictures.h"

namespace sigillo::ui::win32 {
namespace {

TEST(SplitCommandLineTest, BlanksQuotationMarksAndEmptyPairs) {
  struct Case {
    const char* name;
    Text line;
    TextList arguments;
  };
  const std::vector<Case> cases = {
      {"the program alone", u"sigillo.exe", {u"sigillo.exe"}},
      {"nothing at all", u"", {}},
      {"as the Explorer verb starts it",
       u"\"C:\\Program Files\\Sigillo\\sigillo.exe\" \"C:\\My Files\\a b.txt\"",
       {u"C:\\Program Files\\Sigillo\\sigillo.exe", u"C:\\My Files\\a b.txt"}},
      {"a switch and a file", u"p /SWEDISH a.txt", {u"p", u"/SWEDISH", u"a.txt"}},
      {"a switch in quotation marks", u"p \"/english\"", {u"p", u"/english"}},
      {"runs of blanks and tabs", u"p  \t  a \t", {u"p", u"a"}},
      {"control characters separate", u"p\u0001a\u001Fb\rc\nd", {u"p", u"a", u"b", u"c", u"d"}},
      {"an empty pair where an argument begins", u"p \"\" a", {u"p", u"a"}},
      {"empty pairs alone", u"p \"\" \"\"\"\"", {u"p"}},
      {"an empty pair inside an argument", u"p a\"\"b", {u"p", u"ab"}},
      {"quoted parts joined", u"p \"a\"b\"c d\"", {u"p", u"abc d"}},
      {"a backslash before a quotation mark is no escape",
       u"p \"C:\\dir\\\" x",
       {u"p", u"C:\\dir\\", u"x"}},
      {"an unclosed quotation runs to the end", u"p \"a b", {u"p", u"a b"}},
      {"a quoted blank", u"p \" \"", {u"p", u" "}},
      {"non-ASCII names", u"p lösenord.txt 文件", {u"p", u"lösenord.txt", u"文件"}},
      {"a NUL ends the line", Text(u"p a\0b c", 7), {u"p", u"a"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.line), c.arguments) << c.name;
  }
}

TEST(DialogFilterTest, PairsBecomeNulSeparatedParts) {
  using namespace std::string_literals;
  EXPECT_EQ(DialogFilter(u"Alla filer (*.*)|*.*"), L"Alla filer (*.*)\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(u"全部文件 (*.*)|*.*"), L"全部文件 (*.*)\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(u"Text|*.txt|All|*.*"), L"Text\0*.txt\0All\0*.*\0\0"s);
  EXPECT_EQ(DialogFilter(u""), std::wstring());
}

TEST(AcceleratorTest, ShortcutTextsBecomeKeys) {
  struct Case {
    const char16_t* shortcut;
    std::optional<std::pair<BYTE, WORD>> key;  // flags and virtual key
  };
  const std::vector<Case> cases = {
      {u"Ctrl+Q", std::pair<BYTE, WORD>(FVIRTKEY | FCONTROL, 'Q')},
      {u"F1", std::pair<BYTE, WORD>(FVIRTKEY, VK_F1)},
      {u"F24", std::pair<BYTE, WORD>(FVIRTKEY, VK_F24)},
      {u"ctrl+shift+s", std::pair<BYTE, WORD>(FVIRTKEY | FCONTROL | FSHIFT, 'S')},
      {u"Alt+F4", std::pair<BYTE, WORD>(FVIRTKEY | FALT, VK_F4)},
      {u"Ctrl+7", std::pair<BYTE, WORD>(FVIRTKEY | FCONTROL, '7')},
      {u"F25", std::nullopt},
      {u"F0", std::nullopt},
      {u"Ctrl+", std::nullopt},
      {u"Hyper+Q", std::nullopt},
      {u"Ctrl+Enter", std::nullopt},
      {u"", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<ACCEL> accel = AcceleratorOf(c.shortcut, 1000);
    ASSERT_EQ(accel.has_value(), c.key.has_value()) << TextToUtf8(c.shortcut);
    if (!accel) continue;
    EXPECT_EQ(accel->fVirt, c.key->first) << TextToUtf8(c.shortcut);
    EXPECT_EQ(accel->key, c.key->second) << TextToUtf8(c.shortcut);
    EXPECT_EQ(accel->cmd, 1000);
  }
}

TEST(PictureTest, ResourceNamesAndMissingPictures) {
  EXPECT_EQ(PictureResourceName("padlock-closed"), L"PADLOCK_CLOSED");
  EXPECT_EQ(PictureResourceName("cross"), L"CROSS");
  EXPECT_FALSE(LoadPicture(GetModuleHandleW(nullptr), "no-such-picture").has_value());
  const std::optional<Picture> folder = LoadPicture(GetModuleHandleW(nullptr), "folder");
  ASSERT_TRUE(folder.has_value());
  EXPECT_EQ(folder->pixels.size(), 256u);
}

TEST(PictureTest, MenuBitmapsArePremultiplied) {
  const Picture picture{2, 1, {0x80FF0000u, 0xFF00FF00u}};
  for (const bool premultiplied : {false, true}) {
    HBITMAP bitmap = PictureBitmap(picture, premultiplied);
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
    const auto* bits = static_cast<const uint32_t*>(section.dsBm.bmBits);
    EXPECT_EQ(bits[0], premultiplied ? 0x80800000u : 0x80FF0000u);
    EXPECT_EQ(bits[1], 0xFF00FF00u);
    DeleteObject(bitmap);
  }
}

}  // namespace
}  // namespace sigillo::ui::win32
