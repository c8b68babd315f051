// The enabling rule, Enter on a button and Browse, the same on both systems.
#include <gtest/gtest.h>

#include <vector>

#include "window_driver.h"
#include "window_input_fixture.h"

namespace sigillo::test {
namespace {

TEST_F(InputTest, EnablingRuleOffersOneButtonByTheFileContent) {
  std::vector<EnablingCase> cases = {
      {"empty", u"", Offer::kNone},
      {"missing", In("missing.txt"), Offer::kNone},
      {"folder", In("folder"), Offer::kNone},
      {"in quotation marks", u"\"" + In("plain.txt") + u"\"", Offer::kNone},
      {"plain file", In("plain.txt"), Offer::kEncrypt},
      {"shorter than the magic", In("short"), Offer::kEncrypt},
      {"empty file", In("empty"), Offer::kEncrypt},
      {"the magic cut short", In("almost"), Offer::kEncrypt},
      {"starts with the magic", In("sealed"), Offer::kDecrypt},
      {"the magic alone", In("magic only"), Offer::kDecrypt},
      {"non-ASCII name", In("lösenord.txt"), Offer::kEncrypt},
  };
  for (EnablingCase& c : SystemEnablingCases(dir_.path()))
    cases.push_back(std::move(c));
  const auto w = OpenWindow();
  // Every case after every other: each change decides afresh.
  for (const EnablingCase& before : cases) {
    for (const EnablingCase& c : cases) {
      w->frm().txtFileName->SetText(before.text);
      w->SetControlText("txtFileName", c.text);
      EXPECT_EQ(OfferedBy(*w), c.offer) << before.name << " -> " << c.name;
    }
  }
}

TEST_F(InputTest, EnterOnAFocusedButtonPressesThatButton) {
  const auto w = OpenWindow();
  w->ShowActive();
  w->SetControlText("txtFileName", In("plain.txt"));
  ASSERT_EQ(OfferedBy(*w), Offer::kEncrypt);
  w->AnswerNextBrowse(std::nullopt);
  w->FocusControl("btnBrowse");
  w->PressKey(NamedKey::kEnter);
  EXPECT_EQ(w->BrowseDialogsShown(), 1);  // Browse, not the default Encrypt
}

TEST_F(InputTest, BrowseCancelledChangesNothing) {
  const auto w = OpenWindow();
  w->ShowActive();
  w->SetControlText("txtFileName", In("sealed"));
  w->FocusControl("txtRepeatPassword");
  w->AnswerNextBrowse(std::nullopt);
  w->frm().btnBrowseClick();
  EXPECT_EQ(w->BrowseDialogsShown(), 1);
  EXPECT_EQ(w->ControlText("txtFileName"), In("sealed"));
  EXPECT_EQ(OfferedBy(*w), Offer::kDecrypt);
  EXPECT_EQ(w->FocusName(), "txtRepeatPassword");
}

TEST_F(InputTest, BrowseChosenTakesTheFullNameAndMovesToThePassword) {
  const auto w = OpenWindow();
  w->ShowActive();
  w->SetControlText("txtFileName", In("sealed"));
  w->AnswerNextBrowse(In("plain.txt"));
  w->ClickButton("btnBrowse");
  EXPECT_EQ(w->BrowseDialogsShown(), 1);
  EXPECT_EQ(w->ControlText("txtFileName"), In("plain.txt"));
  EXPECT_EQ(OfferedBy(*w), Offer::kEncrypt);
  EXPECT_EQ(w->FocusName(), "txtPassword");
}

}  // namespace
}  // namespace sigillo::test
