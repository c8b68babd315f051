// The window tests' own main: one application object for the whole run, and the
// watch that lets the tests answer message boxes and dialogs.
#include <gtest/gtest.h>

#include <memory>

#include "window_harness.h"

namespace sigillo::test {

namespace {
std::unique_ptr<TestApplication> the_app;
}  // namespace

TestApplication& App() {
  return *the_app;
}

}  // namespace sigillo::test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  sigillo::test::the_app = std::make_unique<sigillo::test::TestApplication>();
  sigillo::test::InstallDialogWatch();
  const int result = RUN_ALL_TESTS();
  sigillo::test::the_app.reset();
  return result;
}
