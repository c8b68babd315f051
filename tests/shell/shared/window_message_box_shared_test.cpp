// The message-box routines on the system's message box: caption, text, icon and
// buttons of each kind, the main window as the owner held while a box is up, and
// the answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/form_toolz.h"
#include "shell/language.h"
#include "window_driver.h"

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
    BoxIcon icon;
  };
  const std::vector<Case> cases = {
      {Routine::kInformation, true, u"i", u"", u"i", u"Information", BoxIcon::kInformation},
      {Routine::kInformation, false, u"i", u"", u"i", u"Information", BoxIcon::kInformation},
      {Routine::kError, true, u"e", u"", u"e", u"Fel", BoxIcon::kError},
      {Routine::kError, false, u"e", u"", u"e", u"Error", BoxIcon::kError},
      {Routine::kError, false, u"e", u"Egen", u"e", u"Egen", BoxIcon::kError},
      {Routine::kError, true, u"", u"", u"", u"Fel", BoxIcon::kError},
      {Routine::kAbout, true, u"a", u"", u"a", u"Om...", BoxIcon::kInformation},
      {Routine::kAbout, false, u"a", u"", u"a", u"About...", BoxIcon::kInformation},
      {Routine::kAbout, true, u"a", u"Own", u"a", u"Own", BoxIcon::kInformation},
      {Routine::kConfirm, true, u"", u"", u"Fortsätta?", u"Bekräfta", BoxIcon::kQuestion},
      {Routine::kConfirm, false, u"", u"", u"Continue?", u"Confirm", BoxIcon::kQuestion},
      {Routine::kConfirm, false, u"Sure?", u"Ask", u"Sure?", u"Ask", BoxIcon::kQuestion},
      {Routine::kDone, true, u"", u"", u"Klart!", u"Information", BoxIcon::kInformation},
      {Routine::kDone, false, u"", u"", u"Done!", u"Information", BoxIcon::kInformation},
  };
  const auto w = OpenWindow();
  w->ShowActive();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(&c - cases.data()));
    SetLocaleSource([&c] { return c.swedish ? 1053 : 1033; });
    ui::Form& owner = w->frm().Form();
    const bool question = c.routine == Routine::kConfirm;
    const std::vector<Answer> buttons =
        question ? std::vector{Answer::kYes, Answer::kNo} : std::vector{Answer::kOk};
    for (const Answer answer : buttons) {
      const auto user = w->AnswerBoxes();
      user->Then(answer);
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
      const std::vector<BoxSeen> seen = user->Seen();
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_EQ(seen[0].text, c.shown_text);
      EXPECT_EQ(seen[0].caption, c.shown_caption);
      EXPECT_EQ(seen[0].icon, c.icon);
      EXPECT_EQ(seen[0].buttons, buttons);
      EXPECT_TRUE(seen[0].held_by_window);  // modal, owned, the first button the default
      EXPECT_EQ(result, answer == Answer::kYes);
      EXPECT_TRUE(w->IsFormEnabled());  // given back once the box is gone
    }
  }
}

}  // namespace
}  // namespace sigillo::test
