// What the window shows after a start with or without a file named, the same on
// both systems.
#include <gtest/gtest.h>

#include <vector>

#include "window_driver.h"
#include "window_expectations.h"
#include "window_start_fixture.h"

namespace sigillo::test {
namespace {

TEST_F(StartTest, WithoutAFileTheWindowOpensEmpty) {
  const auto w = OpenWindow();
  EXPECT_FALSE(w->IsVisible());  // shown by the message loop
  w->ShowActive();
  EXPECT_TRUE(w->ControlText("txtFileName").empty());
  EXPECT_FALSE(w->IsControlEnabled("btnEncrypt"));
  EXPECT_FALSE(w->IsControlEnabled("btnDecrypt"));
  EXPECT_EQ(w->FocusName(), "txtFileName");
}

TEST_F(StartTest, CommandLineFileIsShownWithTheFocusOnThePassword) {
  struct Case {
    const char* name;
    TextList arguments;
    const char* taken;
    bool swedish;
  };
  const std::vector<Case> cases = {
      {"a name with a blank", {In("first file.txt")}, "first file.txt", true},
      {"English switch in small letters, then a file",
       {u"/english", In("second.txt")},
       "second.txt",
       false},
      {"two files: the first", {In("second.txt"), In("first file.txt")}, "second.txt", true},
      {"missing, then existing", {In("missing"), In("second.txt")}, "second.txt", true},
      {"folder, then existing", {In("folder"), In("second.txt")}, "second.txt", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto w = OpenWindow(c.arguments, 1053);
    EXPECT_TRUE(w->IsVisible());
    EXPECT_EQ(w->ControlText("txtFileName"), In(c.taken));
    EXPECT_TRUE(w->IsControlEnabled("btnEncrypt"));
    w->FlushMessages();
    EXPECT_EQ(w->FocusName(), "txtPassword");
    EXPECT_EQ(w->Title(), WindowTitle(c.swedish));
  }
}

TEST_F(StartTest, OnlyASwitchOpensTheWindowEmptyInThatLanguage) {
  const auto w = OpenWindow({u"/ENGLISH"}, 1053);
  EXPECT_FALSE(w->IsVisible());
  EXPECT_TRUE(w->ControlText("txtFileName").empty());
  EXPECT_EQ(w->ControlText("lblFileName"), u"文件名称:");
}

}  // namespace
}  // namespace sigillo::test
