// Whole encrypt and decrypt runs through the window, every question answered by
// the test as a user would, with the texts, captions and icons the user sees.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "window_boxes.h"
#include "window_harness.h"
#include "window_operation_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

TEST_F(OperationTest, EncryptThenDecryptRestoresTheFile) {
  TestWindow w;
  Fill(w, u"pässwörd", u"pässwörd");
  WindowBoxUser user(w);
  // "Done" comes while the inputs are still locked.
  std::vector<bool> locked_at_box;
  user.answerer.on_box = [&](const SeenBox&) {
    locked_at_box.push_back(!w.edit("txtFileName")->isEnabled());
    // A box waits for the user: no hourglass over it, even in the middle of a run.
    const QCursor* cursor = QApplication::overrideCursor();
    EXPECT_TRUE(cursor == nullptr || cursor->shape() == Qt::ArrowCursor);
  };
  user.Then(Answer::kYes).Then(Answer::kYes).Then(Answer::kOk);
  QTest::mouseClick(w.button("btnEncrypt"), Qt::LeftButton);
  ExpectBoxes(user, {kContinue, kCompleteBox, kDone});
  EXPECT_EQ(locked_at_box, (std::vector<bool>{false, true, true}));
  ExpectIdleAndEmpty(w);
  const std::string sealed = ReadFile(file_);
  ASSERT_EQ(sealed.size(), content_.size() + 12);
  EXPECT_EQ(sealed.substr(0, 8), "$QZ2048$");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);

  WindowBoxUser again(w);
  again.Then(Answer::kYes).Then(Answer::kOk);
  Fill(w, u"pässwörd", u"pässwörd");
  EXPECT_TRUE(w.button("btnDecrypt")->isEnabled());
  QTest::keyClick(w.edit("txtRepeatPassword"), Qt::Key_Enter);  // the default button
  ExpectBoxes(again, {kContinue, kDone});
  EXPECT_EQ(ReadFile(file_), content_);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
  ExpectIdleAndEmpty(w);
}

// The window during a long run: locked inputs, the hourglass, a usable menu, and
// messages handled only when the percentage changes.
TEST_F(OperationTest, BusyStateDuringALargeFile) {
  content_.assign(3 << 20, 'x');
  for (size_t i = 0; i < content_.size(); i += 4099)
    content_[i] = static_cast<char>(i);
  WriteFile(file_, content_);
  TestWindow w;
  Fill(w, u"pw", u"pw");

  struct Pump {
    QString status;
    bool inputs_locked;
    bool hourglass;
    bool menu_usable;
  };
  std::vector<Pump> pumps;
  App().on_pump = [&] {
    bool locked = true;
    for (const char* name : {"txtFileName", "txtPassword", "txtRepeatPassword"}) {
      locked = locked && !w.edit(name)->isEnabled();
    }
    for (const char* name : {"btnBrowse", "btnEncrypt", "btnDecrypt"}) {
      locked = locked && !w.button(name)->isEnabled();
    }
    const QCursor* cursor = QApplication::overrideCursor();
    pumps.push_back(
        {w.label("lblStatus")->text(), locked,
         cursor != nullptr && cursor->shape() == Qt::WaitCursor,
         w.action("mnuMainFileQuit")->isEnabled() && w.action("mnuMainHelpAbout")->isEnabled()});
  };
  WindowBoxUser user(w);
  user.Then(Answer::kYes).Then(Answer::kYes).Then(Answer::kOk);
  w.frm().btnEncryptClick();
  App().on_pump = nullptr;
  ExpectBoxes(user, {kContinue, kCompleteBox, kDone});

  const QRegularExpression progress(QStringLiteral("^(Beräknar|Krypterar|Förstör) (\\d+) %$"));
  std::map<QString, std::vector<int>> passes;
  for (size_t i = 0; i < pumps.size(); ++i) {
    SCOPED_TRACE(pumps[i].status.toStdString());
    EXPECT_TRUE(pumps[i].inputs_locked);
    EXPECT_TRUE(pumps[i].hourglass);
    EXPECT_TRUE(pumps[i].menu_usable);
    const QRegularExpressionMatch match = progress.match(pumps[i].status);
    ASSERT_TRUE(match.hasMatch());
    if (i > 0) {
      EXPECT_NE(pumps[i].status, pumps[i - 1].status);  // only on a change
    }
    passes[match.captured(1)].push_back(match.captured(2).toInt());
  }
  ASSERT_EQ(passes.size(), 3u);
  for (const auto& [word, percents] : passes) {
    SCOPED_TRACE(word.toStdString());
    EXPECT_LE(percents.size(), 101u);
    EXPECT_GE(percents.size(), 3u);  // the window stays alive throughout
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
  }
  EXPECT_GE(passes["Beräknar"].size(), 50u);  // a refresh per 32 KiB read
  ExpectIdleAndEmpty(w);
  EXPECT_EQ(fs::file_size(file_), content_.size() + 12);
}

// A file another program holds locked passes the checks and then fails: one error
// message, no "done", and the window is emptied all the same.
TEST_F(OperationTest, FailureInTheRunShowsOneErrorAndEmptiesTheWindow) {
  const int held = ::open(file_.c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  TestWindow w;
  Fill(w, u"pw", u"pw");
  EXPECT_TRUE(w.button("btnEncrypt")->isEnabled());  // not known to be encrypted
  WindowBoxUser user(w);
  user.Then(Answer::kYes).Then(Answer::kOk);
  w.frm().btnEncryptClick();
  ::close(held);
  ExpectBoxes(user, {kContinue, {u"Ett fel uppstod.", u"Fel", BoxIcon::kError}});
  EXPECT_EQ(ReadFile(file_), content_);
  EXPECT_FALSE(fs::exists(dir_ / "secret.TMP"));
  ExpectIdleAndEmpty(w);
}

// Quit while an operation waits for messages, from the menu or the window's close
// button: the run ends with its messages, and only then does the window close.
class QuitDuringRunTest : public OperationTest, public ::testing::WithParamInterface<bool> {};

TEST_P(QuitDuringRunTest, TakesEffectAfterTheRun) {
  const bool from_menu = GetParam();
  TestWindow w;
  Fill(w, u"pw", u"pw");
  bool quit_asked = false;
  bool visible_after_quit = false;
  App().on_pump = [&] {
    if (quit_asked) return;
    quit_asked = true;
    if (from_menu) {
      w.action("mnuMainFileQuit")->trigger();
    } else {
      w.window()->close();
    }
    visible_after_quit = w.window()->isVisible();
  };
  WindowBoxUser user(w);
  user.answerer.on_box = [&](const SeenBox&) { EXPECT_TRUE(w.window()->isVisible()); };
  user.Then(Answer::kYes).Then(Answer::kNo).Then(Answer::kOk);
  QTest::mouseClick(w.button("btnEncrypt"), Qt::LeftButton);
  EXPECT_TRUE(quit_asked);
  EXPECT_TRUE(visible_after_quit);
  ExpectBoxes(user, {kContinue, kCompleteBox, kDone});
  EXPECT_FALSE(w.window()->isVisible());
  EXPECT_EQ(ReadFile(file_), content_);
}

INSTANTIATE_TEST_SUITE_P(MenuOrCloseButton, QuitDuringRunTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return param.param ? "Menu" : "CloseButton";
                         });

}  // namespace
}  // namespace sigillo::test
