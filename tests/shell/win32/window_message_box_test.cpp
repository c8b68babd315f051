// The words on the system's message box buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/form_toolz.h"
#include "shell/language.h"
#include "window_harness.h"

namespace sigillo::test {
namespace {

// The words on the buttons are the system's, in the system's language; the
// Swedish run of the tests checks them once more.
TEST(MessageBoxTest, ButtonWordsAreTheSystems) {
  TestWindow w({u"/ENGLISH"}, 1033);
  BoxAnswerer user;
  user.Then(IDYES).Then(IDOK);
  EXPECT_TRUE(AskConfirm(w.frm().Form(), u"", u""));
  ShowError(w.frm().Form(), u"x", u"");
  ASSERT_EQ(user.seen.size(), 2u);
  const bool swedish = GetUserDefaultUILanguage() == 0x041D;
  const std::vector<Text> yes_no =
      swedish ? std::vector<Text>{u"Ja", u"Nej"} : std::vector<Text>{u"Yes", u"No"};
  EXPECT_EQ(user.seen[0].words, yes_no);
  EXPECT_EQ(user.seen[1].words, std::vector<Text>{u"OK"});
}

}  // namespace
}  // namespace sigillo::test
