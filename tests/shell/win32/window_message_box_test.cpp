// The message-box routines on the system's message box: caption, text, icon and
// buttons of each style, the main window as the disabled owner, and the answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/form_toolz.h"
#include "shell/language.h"
#include "window_harness.h"

namespace sigillo::test {
namespace {

enum class Routine { kInformation, kError, kAbout, kConfirm, kDone };

TEST(MessageBoxTest, CaptionsTextsIconsAndButtons) {
  struct Case {
    Routine routine;
    bool swedish;
    const char16_t* text;
    const char16_t* caption;
    const char16_t* shown_text;
    const char16_t* shown_caption;
    uint32_t icon;
  };
  // Styles 64, 16, 64 and 36: information, stop sign, information, question.
  const std::vector<Case> cases = {
      {Routine::kInformation, true, u"i", u"", u"i", u"Information", 64},
      {Routine::kInformation, false, u"i", u"", u"i", u"Information", 64},
      {Routine::kError, true, u"e", u"", u"e", u"Fel", 16},
      {Routine::kError, false, u"e", u"", u"e", u"Error", 16},
      {Routine::kError, false, u"e", u"Egen", u"e", u"Egen", 16},
      {Routine::kError, true, u"", u"", u"", u"Fel", 16},
      {Routine::kAbout, true, u"a", u"", u"a", u"Om...", 64},
      {Routine::kAbout, false, u"a", u"", u"a", u"About...", 64},
      {Routine::kAbout, true, u"a", u"Own", u"a", u"Own", 64},
      {Routine::kConfirm, true, u"", u"", u"Fortsätta?", u"Bekräfta", 32},
      {Routine::kConfirm, false, u"", u"", u"Continue?", u"Confirm", 32},
      {Routine::kConfirm, false, u"Sure?", u"Ask", u"Sure?", u"Ask", 32},
      {Routine::kDone, true, u"", u"", u"Klart!", u"Information", 64},
      {Routine::kDone, false, u"", u"", u"Done!", u"Information", 64},
  };
  TestWindow w;
  w.ShowActive();
  for (const Case& c : cases) {
    SCOPED_TRACE(U8(c.shown_caption) + " / " + U8(c.shown_text));
    SetLocaleSource([&c] { return c.swedish ? 1053 : 1033; });
    ui::Form& owner = w.frm().Form();
    const bool question = c.routine == Routine::kConfirm;
    for (const int answer : question ? std::vector{IDYES, IDNO} : std::vector{IDOK}) {
      BoxAnswerer user;
      user.Then(answer);
      bool result = false;
      switch (c.routine) {
        case Routine::kInformation:
          ShowInformation(owner, c.text, c.caption);
          break;
        case Routine::kError:
          ShowError(owner, c.text, c.caption);
          break;
        case Routine::kAbout:
          ShowAbout(owner, c.text, c.caption);
          break;
        case Routine::kConfirm:
          result = AskConfirm(owner, c.text, c.caption);
          break;
        case Routine::kDone:
          ShowDone(owner);
          break;
      }
      ASSERT_EQ(user.seen.size(), 1u);
      const SeenBox& box = user.seen[0];
      EXPECT_EQ(box.text, c.shown_text);
      EXPECT_EQ(box.caption, c.shown_caption);
      EXPECT_EQ(box.icon, c.icon);
      const std::vector<int> buttons = question ? std::vector{IDYES, IDNO} : std::vector{IDOK};
      EXPECT_EQ(box.buttons, buttons);
      EXPECT_EQ(box.default_button, question ? IDYES : IDOK);  // the first button
      EXPECT_EQ(box.owner, w.hwnd());
      EXPECT_TRUE(box.owner_disabled);  // modal to the window
      EXPECT_EQ(result, answer == IDYES);
      EXPECT_TRUE(IsWindowEnabled(w.hwnd()));
    }
  }
}

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
