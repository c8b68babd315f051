// Whole encrypt and decrypt runs through the window, every question answered by
// the test as a user would, with the texts, captions and icons the user sees.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/child_process.h"
#include "support/held_file.h"
#include "support/temp_dir.h"
#include "toolz/wide_text.h"
#include "window_boxes.h"
#include "window_harness.h"
#include "window_operation_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

// What sigillo-cli writes for the same content and password.
std::string CliEncrypted(const TempDir& dir, const std::string& content,
                         const std::string& password) {
  WriteFile(dir / "pw", password + "\n");
  fs::create_directory(dir / "cli");
  WriteFile(dir / "cli" / "plain", content);
  ChildProcess cli({SIGILLO_CLI_PATH, "encrypt", "--password-file", Utf8Path(dir / "pw"),
                    "--output", Utf8Path(dir / "cli" / "sealed"), Utf8Path(dir / "cli" / "plain")});
  EXPECT_TRUE(cli.started());
  EXPECT_EQ(cli.Wait(), 0);
  std::string sealed = ReadFile(dir / "cli" / "sealed");
  fs::remove_all(dir / "cli");
  fs::remove(dir / "pw");
  return sealed;
}

TEST_F(OperationTest, EncryptThenDecryptInPlaceAsTheCommandLineDoes) {
  content_ = PatternBytes(70000, 7);
  WriteFile(file_, content_);
  const std::string expected = CliEncrypted(dir_, content_, "pässwörd");
  ASSERT_EQ(expected.size(), content_.size() + 12);

  TestWindow w;
  Fill(w, u"pässwörd", u"pässwörd");
  WindowBoxUser user(w);
  // "Done" comes while the inputs are still locked, after the hourglass. (The
  // question in the middle of the run has the arrow of its own window.)
  std::vector<bool> locked_at_box;
  std::vector<bool> hourglass_at_box;
  user.answerer.on_box = [&](const SeenBox&) {
    locked_at_box.push_back(!w.enabled("txtFileName"));
    hourglass_at_box.push_back(App().Cursor() == ui::ScreenCursor::kHourGlass);
  };
  user.Then(Answer::kYes).Then(Answer::kYes).Then(Answer::kOk);
  w.Click("btnEncrypt");
  ExpectBoxes(user, {kContinue, kCompleteBox, kDone});
  EXPECT_EQ(locked_at_box, (std::vector<bool>{false, true, true}));
  EXPECT_EQ(hourglass_at_box, (std::vector<bool>{false, true, false}));
  ExpectIdleAndEmpty(w);
  EXPECT_EQ(ReadFile(file_), expected);  // byte for byte
  EXPECT_EQ(FilesInFolder(), 1u);

  WindowBoxUser again(w);
  again.Then(Answer::kYes).Then(Answer::kOk);
  Fill(w, u"pässwörd", u"pässwörd");
  EXPECT_TRUE(w.enabled("btnDecrypt"));
  TestWindow::Key(w.control("txtRepeatPassword"), VK_RETURN);  // the default button
  ExpectBoxes(again, {kContinue, kDone});
  EXPECT_EQ(ReadFile(file_), content_);
  EXPECT_EQ(FilesInFolder(), 1u);
  ExpectIdleAndEmpty(w);
}

// The window during a long run: locked inputs, the hourglass, a usable menu, and
// messages handled only when the percentage changes.
TEST_F(OperationTest, BusyStateDuringALargeFile) {
  content_ = PatternBytes(3 << 20, 3);
  WriteFile(file_, content_);
  TestWindow w;
  Fill(w, u"pw", u"pw");

  struct Pump {
    Text status;
    bool inputs_locked;
    bool hourglass;
    bool menu_usable;
  };
  std::vector<Pump> pumps;
  const HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  App().on_pump = [&] {
    bool locked = true;
    for (const char* name : {"txtFileName", "txtPassword", "txtRepeatPassword", "btnBrowse",
                             "btnEncrypt", "btnDecrypt"}) {
      locked = locked && !w.enabled(name);
    }
    const HMENU bar = GetMenu(w.hwnd());
    const bool usable = !(GetMenuState(bar, 0, MF_BYPOSITION) & MF_GRAYED) &&
                        !(GetMenuState(GetSubMenu(bar, 0), 0, MF_BYPOSITION) & MF_GRAYED) &&
                        !(GetMenuState(GetSubMenu(bar, 1), 0, MF_BYPOSITION) & MF_GRAYED);
    pumps.push_back({w.text("lblStatus"), locked,
                     App().Cursor() == ui::ScreenCursor::kHourGlass && GetCursor() == wait,
                     usable && IsWindowEnabled(w.hwnd())});
  };
  WindowBoxUser user(w);
  user.Then(Answer::kYes).Then(Answer::kYes).Then(Answer::kOk);
  w.frm().btnEncryptClick();
  App().on_pump = nullptr;
  ExpectBoxes(user, {kContinue, kCompleteBox, kDone});

  std::map<Text, std::vector<int>> passes;
  for (size_t i = 0; i < pumps.size(); ++i) {
    SCOPED_TRACE(U8(pumps[i].status));
    EXPECT_TRUE(pumps[i].inputs_locked);
    EXPECT_TRUE(pumps[i].hourglass);
    EXPECT_TRUE(pumps[i].menu_usable);
    // "Word 37 %"
    const TextList parts = SplitText(pumps[i].status, u" ");
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[2], u"%");
    if (i > 0) {
      EXPECT_NE(pumps[i].status, pumps[i - 1].status);  // only on a change
    }
    passes[parts[0]].push_back(std::stoi(U8(parts[1])));
  }
  ASSERT_EQ(passes.size(), 3u);
  for (const Text word : {u"Beräknar", u"Krypterar", u"Förstör"}) {
    SCOPED_TRACE(U8(word));
    const std::vector<int>& percents = passes[word];
    EXPECT_LE(percents.size(), 101u);
    EXPECT_GE(percents.size(), 3u);  // the window stays alive throughout
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
  }
  EXPECT_GE(passes[u"Beräknar"].size(), 50u);  // a refresh per 32 KiB read
  ExpectIdleAndEmpty(w);
  EXPECT_EQ(fs::file_size(file_), content_.size() + 12);
}

// A file another program holds open passes the checks and then fails: one error
// message, no "done", and the window is emptied all the same.
TEST_F(OperationTest, FailureInTheRunShowsOneErrorAndEmptiesTheWindow) {
  TestWindow w;
  Fill(w, u"pw", u"pw");
  WindowBoxUser user(w);
  user.Then(Answer::kYes).Then(Answer::kOk);
  {
    HeldFile held(file_);
    ASSERT_TRUE(held.held());
    w.frm().btnEncryptClick();
  }
  ExpectBoxes(user, {kContinue, {u"Ett fel uppstod.", u"Fel", BoxIcon::kError}});
  EXPECT_EQ(ReadFile(file_), content_);
  EXPECT_FALSE(fs::exists(dir_ / "secret.TMP"));
  ExpectIdleAndEmpty(w);
}

// Quit while an operation waits for messages, from the menu, its shortcut or the
// window's close button: the run ends with its messages, and only then does the
// window close.
enum class Quit { kMenu, kShortcut, kCloseButton };

class QuitDuringRunTest : public OperationTest, public ::testing::WithParamInterface<Quit> {};

TEST_P(QuitDuringRunTest, TakesEffectAfterTheRun) {
  TestWindow w;
  Fill(w, u"pw", u"pw");
  bool quit_asked = false;
  bool visible_after_quit = false;
  App().on_pump = [&] {
    if (quit_asked) return;
    quit_asked = true;
    switch (GetParam()) {
      case Quit::kMenu:
        w.Choose("mnuMainFileQuit");
        break;
      case Quit::kShortcut:
        TestWindow::Key(w.hwnd(), 'Q', true);
        break;
      case Quit::kCloseButton:
        SendMessageW(w.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    }
    visible_after_quit = IsWindowVisible(w.hwnd()) != FALSE;
  };
  WindowBoxUser user(w);
  user.answerer.on_box = [&](const SeenBox&) { EXPECT_TRUE(IsWindowVisible(w.hwnd())); };
  user.Then(Answer::kYes).Then(Answer::kNo).Then(Answer::kOk);
  w.Click("btnEncrypt");
  EXPECT_TRUE(quit_asked);
  EXPECT_TRUE(visible_after_quit);
  ExpectBoxes(user, {kContinue, kCompleteBox, kDone});
  EXPECT_FALSE(IsWindowVisible(w.hwnd()));
  EXPECT_EQ(ReadFile(file_), content_);
}

std::string QuitName(Quit quit) {
  switch (quit) {
    case Quit::kMenu:
      return "Menu";
    case Quit::kShortcut:
      return "CtrlQ";
    case Quit::kCloseButton:
      break;
  }
  return "CloseButton";
}

void PrintTo(Quit quit, std::ostream* out) {
  *out << QuitName(quit);
}

INSTANTIATE_TEST_SUITE_P(MenuShortcutOrCloseButton, QuitDuringRunTest,
                         ::testing::Values(Quit::kMenu, Quit::kShortcut, Quit::kCloseButton),
                         [](const ::testing::TestParamInfo<Quit>& quit) {
                           return QuitName(quit.param);
                         });

}  // namespace
}  // namespace sigillo::test
