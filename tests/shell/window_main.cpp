// The window tests' own main: one Qt application for the whole run, offscreen,
// and a data folder of its own so that no test touches the user's file managers.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "window_harness.h"

namespace sigillo::test {

namespace {
// Made in main and gone before main returns: Qt must not outlive it into the
// destruction of static objects.
std::unique_ptr<TestApplication> the_app;
}  // namespace

TestApplication& App() {
  return *the_app;
}

}  // namespace sigillo::test

namespace {

// The offscreen platform says at every showing what it cannot do for a window.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (message.contains(QStringLiteral("XDG_RUNTIME_DIR not set"))) return;
  fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg) abort();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::string data = (std::filesystem::temp_directory_path() / "sigillo-window-XXXXXX").string();
  if (mkdtemp(data.data()) != nullptr) setenv("XDG_DATA_HOME", data.c_str(), 1);
  qInstallMessageHandler(QuietMessages);
  ::testing::InitGoogleTest(&argc, argv);
  static int qt_argc = 1;
  static char name[] = "sigillo-window-test";
  static char* qt_argv[] = {name, nullptr};
  sigillo::test::the_app = std::make_unique<sigillo::test::TestApplication>(qt_argc, qt_argv);
  const int result = RUN_ALL_TESTS();
  sigillo::test::the_app.reset();
  std::error_code ignored;
  std::filesystem::remove_all(data, ignored);
  return result;
}
