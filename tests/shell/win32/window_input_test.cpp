// The enabling rule, Enter and the default button, Browse with the scripted and the
// system's dialog, dropped files, mnemonics, Quit and About.
#include <gtest/gtest.h>

#include "ui/win32/win32_windows.h"

#include <commdlg.h>
#include <shlobj.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "toolz/wide_text.h"
#include "ui/win32/win32_controls.h"
#include "window_harness.h"
#include "window_input_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

}  // namespace

// Links and trailing blanks are names of other systems.
std::vector<EnablingCase> SystemEnablingCases(const fs::path&) {
  return {};
}

namespace {

TEST_F(InputTest, TypingANameOffersEncryptOnlyOnceItIsCompleteAndEnterStartsIt) {
  TestWindow w;
  w.ShowActive();
  const Text name = In("lösenord.txt");
  const HWND box = w.control("txtFileName");
  for (size_t i = 0; i < name.size(); ++i) {
    TestWindow::Type(box, name.substr(i, 1));
    ASSERT_EQ(w.text("txtFileName"), name.substr(0, i + 1));
    EXPECT_EQ(OfferedBy(w), i + 1 == name.size() ? Offer::kEncrypt : Offer::kNone) << i;
  }
  // Enter in a password box presses the default button: the encryption asks first.
  BoxAnswerer user;
  user.Then(IDNO);
  SetFocus(w.control("txtPassword"));
  TestWindow::Type(w.control("txtPassword"), u"pw");
  TestWindow::Type(w.control("txtRepeatPassword"), u"pw");
  TestWindow::Key(w.control("txtPassword"), VK_RETURN);
  ASSERT_EQ(user.seen.size(), 1u);
  EXPECT_EQ(user.seen[0].text, u"Fortsätta?");
  EXPECT_EQ(user.unexpected, 0);
  EXPECT_EQ(w.text("txtFileName"), name);  // nothing changed after "no"
}

TEST_F(InputTest, EnterWithoutADefaultButtonStartsNothing) {
  TestWindow w;
  w.ShowActive();
  SetWindowTextW(w.control("txtFileName"), WideOf(In("missing.txt")).c_str());
  BoxAnswerer user;  // a question would fail the test
  TestWindow::Key(w.control("txtFileName"), VK_RETURN);
  EXPECT_TRUE(user.seen.empty());
  EXPECT_EQ(App().dialogs_shown, 0);
}

TEST_F(InputTest, MnemonicsPressTheButtons) {
  TestWindow w;
  w.ShowActive();
  TestWindow::AltKey(w.control("txtFileName"), L'b');
  EXPECT_EQ(App().dialogs_shown, 1);
  // A disabled button's mnemonic starts nothing.
  BoxAnswerer user;
  TestWindow::AltKey(w.control("txtFileName"), L'k');
  EXPECT_TRUE(user.seen.empty());
}

// The system's open-file dialog with the window's title and filter, answered by
// the test: a name typed and OK, then Cancel.
TEST_F(InputTest, SystemOpenDialogWithTitleAndFilter) {
  App().system_dialogs = true;
  for (const bool swedish : {true, false}) {
    SCOPED_TRACE(swedish);
    TestWindow w({}, swedish ? 1053 : 1033);
    w.ShowActive();
    struct Seen {
      Text title;
      Text filter;
      HWND owner = nullptr;
    };
    std::vector<Seen> seen;
    BoxAnswerer user;
    bool choose = true;
    const Text chosen = In("plain.txt");
    user.on_dialog = [&](HWND dialog) {
      Seen s;
      s.title = ui::win32::WindowTextOf(dialog);
      s.owner = GetWindow(dialog, GW_OWNER);
      // The file-type list of the dialog (cmb1).
      const HWND types = GetDlgItem(dialog, 0x470);
      wchar_t type[128] = {};
      if (types != nullptr) SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type));
      s.filter = TextOfWide(type);
      seen.push_back(s);
      if (choose) {
        SendMessageW(dialog, CDM_SETCONTROLTEXT, 0x47C /* cmb13, the name */,
                     reinterpret_cast<LPARAM>(WideOf(chosen).c_str()));
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      } else {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    };
    w.frm().btnBrowseClick();
    EXPECT_EQ(w.text("txtFileName"), chosen);
    EXPECT_EQ(w.FocusName(), "txtPassword");
    choose = false;
    w.frm().btnBrowseClick();
    EXPECT_EQ(w.text("txtFileName"), chosen);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].title, swedish ? u"Bläddra..." : u"浏览...");
    EXPECT_EQ(seen[0].filter, swedish ? u"Alla filer (*.*)" : u"全部文件 (*.*)");
    EXPECT_EQ(seen[0].owner, w.hwnd());
  }
  App().system_dialogs = false;
}

// A list of dropped files as the shell hands it over.
HGLOBAL DropOf(const Text& path) {
  const std::wstring name = WideOf(path);
  const size_t bytes = sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), name.c_str(),
              name.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return memory;
}

TEST_F(InputTest, DroppedFileIsTakenLikeABrowsedOne) {
  TestWindow w;
  w.ShowActive();
  EXPECT_TRUE(GetWindowLongPtrW(w.hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  SendMessageW(w.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(In("sealed"))), 0);
  EXPECT_EQ(w.text("txtFileName"), In("sealed"));
  EXPECT_EQ(OfferedBy(w), Offer::kDecrypt);
  EXPECT_EQ(w.FocusName(), "txtPassword");
}

TEST_F(InputTest, CtrlQAndTheCloseButtonEndAtOnceEvenWithPasswordsTyped) {
  for (const bool shortcut : {true, false}) {
    SCOPED_TRACE(shortcut);
    TestWindow w;
    w.ShowActive();
    BoxAnswerer user;
    TestWindow::Type(w.control("txtPassword"), u"secret");
    TestWindow::Type(w.control("txtRepeatPassword"), u"secret");
    if (shortcut) {
      TestWindow::Key(w.control("txtPassword"), 'Q', true);
    } else {
      SendMessageW(w.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    EXPECT_FALSE(IsWindowVisible(w.hwnd()));
    EXPECT_TRUE(user.seen.empty());
  }
}

TEST_F(InputTest, AboutBoxFromF1InBothLanguages) {
  for (const bool swedish : {true, false}) {
    SCOPED_TRACE(swedish);
    TestWindow w({}, swedish ? 1053 : 1033);
    w.ShowActive();
    BoxAnswerer user;
    user.Then(IDOK);
    TestWindow::Key(w.control("txtFileName"), VK_F1);
    ASSERT_EQ(user.seen.size(), 1u);
    const SeenBox& box = user.seen[0];
    EXPECT_EQ(box.caption, swedish ? u"Om Sigillo 1.41" : u"About Vaultix1.01");
    EXPECT_EQ(box.icon, 64u);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(box.owner, w.hwnd());
    // Two paragraphs, each one sentence with an address in parentheses, each line
    // ended by a carriage return and a line feed.
    const TextList paragraphs = SplitText(box.text, u"\r\n\r\n");
    ASSERT_EQ(paragraphs.size(), 2u) << U8(box.text);
    EXPECT_EQ(paragraphs[1].substr(paragraphs[1].size() - 2), u"\r\n");
    for (Text paragraph : paragraphs) {
      if (paragraph.ends_with(u"\r\n")) paragraph.resize(paragraph.size() - 2);
      EXPECT_EQ(paragraph.find(u'\n'), Text::npos);
      EXPECT_TRUE(paragraph.ends_with(u")."));
      EXPECT_NE(paragraph.find(u"(https://"), Text::npos);
    }
    EXPECT_EQ(user.unexpected, 0);
  }
}

}  // namespace
}  // namespace sigillo::test
