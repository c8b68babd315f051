// Encrypt runs through the window that end at a question or an error, every box
// answered by the test as a user would, the same on both systems.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "window_boxes.h"
#include "window_driver.h"
#include "window_operation_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

TEST_F(OperationTest, NoAtTheFirstQuestionChangesNothing) {
  const auto w = OpenWindow();
  Fill(*w, u"pw", u"pw");
  const auto user = w->AnswerBoxes();
  user->Then(Answer::kNo);
  w->ClickButton("btnEncrypt");
  ExpectBoxes(*user, {kContinue});
  ExpectUntouched(*w, u"pw");
  EXPECT_TRUE(w->IsControlEnabled("btnEncrypt"));
}

TEST_F(OperationTest, NoAtTheSecondQuestionKeepsThePlainFileAndStillSaysDone) {
  const auto w = OpenWindow();
  Fill(*w, u"pw", u"pw");
  const auto user = w->AnswerBoxes();
  user->Then(Answer::kYes).Then(Answer::kNo).Then(Answer::kOk);
  w->ClickButton("btnEncrypt");
  ExpectBoxes(*user, {kContinue, kCompleteBox, kDone});
  EXPECT_EQ(ReadFile(file_), content_);
  EXPECT_FALSE(fs::exists(dir_ / "secret.TMP"));
  ExpectIdleAndEmpty(*w);
}

TEST_F(OperationTest, WrongPasswordKeepsTheEncryptedFile) {
  const auto w = OpenWindow();
  Fill(*w, u"right", u"right");
  {
    const auto user = w->AnswerBoxes();
    user->Then(Answer::kYes).Then(Answer::kYes).Then(Answer::kOk);
    w->frm().btnEncryptClick();
  }
  const std::string sealed = ReadFile(file_);

  const auto again = w->AnswerBoxes();
  again->Then(Answer::kYes).Then(Answer::kOk);
  Fill(*w, u"wrong", u"wrong");
  w->frm().btnDecryptClick();
  ExpectBoxes(*again,
              {kContinue,
               {u"Ett fel uppstod. Antingen har fel lösenord använts eller så är filen skadad.",
                u"Fel", BoxIcon::kError}});
  EXPECT_EQ(ReadFile(file_), sealed);
  EXPECT_FALSE(fs::exists(dir_ / "secret.TMP"));
  ExpectIdleAndEmpty(*w);
}

TEST_F(OperationTest, RefusalsShowOneErrorAndKeepTheInputs) {
  struct Case {
    const char* name;
    Text password;
    Text repeated;
    bool leftover_temp;
    Text message;
  };
  const std::vector<Case> cases = {
      {"no password", u"", u"pw", false, u"Ange lösenordet."},
      {"no repetition", u"pw", u"", false, u"Ange lösenordet."},
      {"letter case differs", u"pw", u"PW", false, u"Lösenorden matchar inte."},
      {"leftover temporary file", u"pw", u"pw", true,
       u"Den temporära filen (.TMP) som kommer användas finns redan."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto w = OpenWindow();
    if (c.leftover_temp) WriteFile(dir_ / "secret.TMP", "left over");
    Fill(*w, c.password, c.repeated);
    const auto user = w->AnswerBoxes();
    user->Then(Answer::kOk);
    w->frm().btnEncryptClick();
    ExpectBoxes(*user, {{c.message, u"Fel", BoxIcon::kError}});
    EXPECT_EQ(ReadFile(file_), content_);
    EXPECT_EQ(w->ControlText("txtFileName"), FileText());
    EXPECT_EQ(w->ControlText("txtPassword"), c.password);
    EXPECT_EQ(w->ControlText("txtRepeatPassword"), c.repeated);
    EXPECT_EQ(w->Pumps(), 0);
    if (c.leftover_temp) {
      EXPECT_EQ(ReadFile(dir_ / "secret.TMP"), "left over");
      fs::remove(dir_ / "secret.TMP");
    }
  }
}

TEST_F(OperationTest, SecondLanguageTexts) {
  const auto w = OpenWindow({u"/english"}, 1053);
  Fill(*w, u"pw", u"pw");
  {
    const auto user = w->AnswerBoxes();
    user->Then(Answer::kYes).Then(Answer::kNo).Then(Answer::kOk);
    w->frm().btnEncryptClick();
    ExpectBoxes(
        *user,
        {{u"Continue?", u"Confirm", BoxIcon::kQuestion},
         {u"现在，到临时文件加密文件。 希望完成加密和销毁原始文件并将其替换为加密的临时文件吗?",
          u"Confirm", BoxIcon::kQuestion},
         {u"Done!", u"Information", BoxIcon::kInformation}});
  }
  const auto refused = w->AnswerBoxes();
  refused->Then(Answer::kOk);
  Fill(*w, u"pw", u"px");
  w->frm().btnEncryptClick();
  ExpectBoxes(*refused, {{u"密码不匹配.", u"Error", BoxIcon::kError}});
}

}  // namespace
}  // namespace sigillo::test
