// The window as both systems must build it: every control's place, size, captions
// in both languages, tab order and enabling at start, the menu and the window.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolz/text.h"
#include "ui/types.h"

namespace sigillo::test {

enum class Kind { kLabel, kAutoLabel, kEdit, kPassword, kButton };

struct ControlRow {
  const char* name;
  Kind kind;
  ui::Rect bounds;  // the size of a self-sizing label comes from its text
  const char16_t* swedish;
  const char16_t* second;
  int tab_order;  // -1: no tab stop
  bool enabled;
};

inline const std::vector<ControlRow> kControls = {
    {"lblFileName", Kind::kAutoLabel, {16, 16, 40, 13}, u"Filnamn:", u"文件名称:", -1, true},
    {"txtFileName", Kind::kEdit, {16, 32, 217, 21}, u"", u"", 0, true},
    {"btnBrowse", Kind::kButton, {128, 56, 105, 33}, u"&Bläddra...", u"&浏览...", 1, true},
    {"lblPassword", Kind::kAutoLabel, {16, 104, 48, 13}, u"Lösenord:", u"密码:", -1, true},
    {"txtPassword", Kind::kPassword, {16, 120, 217, 23}, u"", u"", 2, true},
    {"lblRepeatPassword",
     Kind::kAutoLabel,
     {16, 160, 99, 13},
     u"Upprepa lösenordet:",
     u"重复密码:",
     -1,
     true},
    {"txtRepeatPassword", Kind::kPassword, {16, 176, 217, 23}, u"", u"", 3, true},
    {"btnEncrypt", Kind::kButton, {16, 256, 105, 33}, u"&Kryptera!", u"&加密!", 4, false},
    {"btnDecrypt", Kind::kButton, {128, 256, 105, 33}, u"&Dekryptera!", u"&解密!", 5, false},
    {"lblStatus", Kind::kLabel, {16, 219, 217, 20}, u"", u"", -1, true},
};

// The menus on the bar and their one item each.
struct MenuRow {
  const char* name;
  int bar;    // the menu's place on the bar
  bool item;  // an item of that menu, rather than the menu itself
  const char16_t* swedish;
  const char16_t* second;
  const char16_t* shortcut;
};

inline const std::vector<MenuRow> kMenus = {
    {"mnuMainFile", 0, false, u"&Arkiv", u"&文件", u""},
    {"mnuMainFileQuit", 0, true, u"&Avsluta!", u"&退出!", u"Ctrl+Q"},
    {"mnuMainHelp", 1, false, u"&Hjälp", u"&帮助", u""},
    {"mnuMainHelpAbout", 1, true, u"&Om...", u"&关于...", u"F1"},
};

inline constexpr int32_t kClientWidth = 249;
inline constexpr int32_t kClientHeight = 305;

inline int32_t LocaleOf(bool swedish) {
  return swedish ? 1053 : 1033;
}

inline const char16_t* WindowTitle(bool swedish) {
  return swedish ? u"Sigillo 1.41" : u"Vaultix1.01";
}

// The layout in both languages: true for Swedish.
class LayoutTest : public ::testing::TestWithParam<bool> {};

}  // namespace sigillo::test
