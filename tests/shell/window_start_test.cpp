// Start-up: the command line's file, the language, and the file managers' entry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/form_toolz.h"
#include "shell/language.h"
#include "shell/sigillo.h"
#include "support/temp_dir.h"
#include "toolz/facts.h"
#include "ui/qt/qt_display_facts.h"
#include "window_harness.h"
#include "window_start_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

class ScopedDataHome {
 public:
  explicit ScopedDataHome(const fs::path& path) : old_(std::getenv("XDG_DATA_HOME")) {
    setenv("XDG_DATA_HOME", path.c_str(), 1);
  }
  ~ScopedDataHome() {
    if (old_) {
      setenv("XDG_DATA_HOME", old_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
  }

 private:
  std::optional<std::string> old_;
};

TEST_F(StartTest, TheProgramRunsUntilItsWindowCloses) {
  SetLocaleSource([] { return 1033; });
  QString title;
  QString focus;
  bool visible = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->objectName() != "frmMain") continue;
      auto* window = static_cast<QMainWindow*>(top);
      visible = window->isVisible();
      (void)QTest::qWaitForWindowActive(window);
      title = window->windowTitle();
      focus = window->focusWidget() ? window->focusWidget()->objectName() : QString();
      window->findChild<QAction*>("mnuMainFileQuit")->trigger();
    }
  });
  EXPECT_EQ(RunSigillo(App(), HostOperationContext()), 0);
  EXPECT_TRUE(visible);
  EXPECT_EQ(title, "Vaultix1.01");
  EXPECT_EQ(App().Title(), u"Vaultix1.01");
  EXPECT_EQ(focus, "txtFileName");
  SetLocaleSource(nullptr);
}

TEST_F(StartTest, FileManagerEntryIsOfferedInTheLanguageOfTheStart) {
  const fs::path data = dir_ / "share";
  ScopedDataHome home(data);
  { TestWindow w({}, 1053); }
  const std::string program = QCoreApplication::applicationFilePath().toStdString();
  std::string entry = ReadFile(data / "applications/QZ-2048.desktop");
  EXPECT_NE(entry.find("\nName=Sigillo...\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nExec=\"" + program + "\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(ReadFile(data / "kio/servicemenus/QZ-2048.desktop").find("\nName=&Sigillo...\n"),
            std::string::npos);
  { TestWindow w({u"/english"}, 1053); }
  entry = ReadFile(data / "applications/QZ-2048.desktop");
  EXPECT_NE(entry.find("\nName=QZ-Vaultix...\n"), std::string::npos) << entry;
  EXPECT_NE(ReadFile(data / "kio/servicemenus/QZ-2048.desktop").find("\nName=QZ-&Vaultix...\n"),
            std::string::npos);
  EXPECT_NE(ReadFile(data / "nemo/actions/QZ-2048.nemo_action").find("\nName=QZ-Vaultix...\n"),
            std::string::npos);
}

TEST_F(StartTest, UnwritableDataFolderDoesNotStopTheStart) {
  WriteFile(dir_ / "not a folder", "x");
  ScopedDataHome home(dir_ / "not a folder");
  TestWindow w({In("second.txt")}, 1053);
  EXPECT_TRUE(w.window()->isVisible());
  EXPECT_EQ(w.edit("txtFileName")->text(), Q(In("second.txt")));
  EXPECT_EQ(w.objectNameOfFocus(), "txtPassword");
}

// The facts of the screen and the input that the system report mixes in.
TEST(DisplayFactsTest, ScreenCursorAndIdleTimeComeFromQt) {
  SetDisplayFactsProvider(ui::qt::MakeDisplayFacts());
  EXPECT_GT(AskDisplay(&DisplayFacts::ScreenWidth), 0);
  EXPECT_GT(AskDisplay(&DisplayFacts::ScreenHeight), 0);
  EXPECT_GT(AskDisplay(&DisplayFacts::ScreenBitsPerPixel), 0);
  TestWindow w;
  w.ShowActive();
  QTest::qWait(200);
  const int32_t before = AskDisplay(&DisplayFacts::IdleTime);
  EXPECT_GE(before, 200);
  QTest::keyClick(w.edit("txtFileName"), Qt::Key_A);  // input starts the count anew
  EXPECT_LT(AskDisplay(&DisplayFacts::IdleTime), before);
  SetDisplayFactsProvider(nullptr);
  EXPECT_EQ(AskDisplay(&DisplayFacts::ScreenWidth), 0);
}

// ---- The message-box routines ----

// The button words are the system's: Qt's own for most languages, ours for Swedish.
// ctest runs this once more under a Swedish locale.
TEST(MessageBoxTest, ButtonWordsFollowTheSystemLanguage) {
  const QStringList languages = QLocale::system().uiLanguages();
  const QLocale::Language language =
      languages.isEmpty() ? QLocale::C : QLocale(languages.first()).language();
  QStringList yes_no;
  if (language == QLocale::Swedish) {
    yes_no = {"Ja", "Nej"};
  } else if (language == QLocale::English || language == QLocale::C) {
    yes_no = {"Yes", "No"};
  } else {
    GTEST_SKIP() << "no words known for this system language";
  }
  TestWindow w({u"/ENGLISH"}, 1033);  // the program's language does not matter
  BoxAnswerer user;
  user.Then(QMessageBox::Yes).Then(QMessageBox::Ok);
  EXPECT_TRUE(AskConfirm(w.frm().Form(), u"", u""));
  ShowError(w.frm().Form(), u"x", u"");
  ASSERT_EQ(user.seen.size(), 2u);
  EXPECT_EQ(user.seen[0].buttons, yes_no);
  EXPECT_EQ(user.seen[1].buttons, QStringList{"OK"});
}

}  // namespace
}  // namespace sigillo::test
