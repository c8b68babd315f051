// The enabling rule, Browse, dropped files, Quit and About.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "window_harness.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

enum class Offer { kNone, kEncrypt, kDecrypt };

Offer OfferedBy(TestWindow& w) {
  QPushButton* encrypt = w.button("btnEncrypt");
  QPushButton* decrypt = w.button("btnDecrypt");
  // The enabled button is always the default one, and the other neither.
  EXPECT_EQ(encrypt->isEnabled(), encrypt->isDefault());
  EXPECT_EQ(decrypt->isEnabled(), decrypt->isDefault());
  EXPECT_FALSE(encrypt->isEnabled() && decrypt->isEnabled());
  if (encrypt->isEnabled()) return Offer::kEncrypt;
  if (decrypt->isEnabled()) return Offer::kDecrypt;
  return Offer::kNone;
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_ / "plain.txt", "some plain content");
    WriteFile(dir_ / "short", "abc");
    WriteFile(dir_ / "empty", "");
    WriteFile(dir_ / "sealed", std::string("$QZ2048$") + "\x01\x02\x03\x04" + "data");
    WriteFile(dir_ / "magic only", "$QZ2048$");
    WriteFile(dir_ / "almost", "$QZ2048");
    WriteFile(dir_ / "lösenord.txt", "x");
    fs::create_directory(dir_ / "folder");
    fs::create_symlink(dir_ / "plain.txt", dir_ / "link");
  }

  Text In(const char* name) const { return T((dir_ / name).string()); }

  TempDir dir_;
};

TEST_F(InputTest, EnablingRuleOffersOneButtonByTheFileContent) {
  struct Case {
    const char* name;
    Text text;
    Offer offer;
  };
  const std::vector<Case> cases = {
      {"empty", u"", Offer::kNone},
      {"missing", In("missing.txt"), Offer::kNone},
      {"folder", In("folder"), Offer::kNone},
      {"symbolic link", In("link"), Offer::kNone},
      {"in quotation marks", u"\"" + In("plain.txt") + u"\"", Offer::kNone},
      {"with a trailing blank", In("plain.txt") + u" ", Offer::kNone},
      {"plain file", In("plain.txt"), Offer::kEncrypt},
      {"shorter than the magic", In("short"), Offer::kEncrypt},
      {"empty file", In("empty"), Offer::kEncrypt},
      {"the magic cut short", In("almost"), Offer::kEncrypt},
      {"starts with the magic", In("sealed"), Offer::kDecrypt},
      {"the magic alone", In("magic only"), Offer::kDecrypt},
      {"non-ASCII name", In("lösenord.txt"), Offer::kEncrypt},
  };
  TestWindow w;
  // Every case after every other: each change decides afresh.
  for (const Case& before : cases) {
    for (const Case& c : cases) {
      w.frm().txtFileName->SetText(before.text);
      w.edit("txtFileName")->setText(Q(c.text));
      EXPECT_EQ(OfferedBy(w), c.offer) << before.name << " -> " << c.name;
    }
  }
}

TEST_F(InputTest, TypingANameOffersEncryptOnlyOnceItIsComplete) {
  TestWindow w;
  w.ShowActive();
  const QString name = Q(In("lösenord.txt"));
  QLineEdit* box = w.edit("txtFileName");
  for (qsizetype i = 0; i < name.size(); ++i) {
    TestWindow::Type(box, name.mid(i, 1));
    ASSERT_EQ(box->text(), name.left(i + 1));
    EXPECT_EQ(OfferedBy(w), i + 1 == name.size() ? Offer::kEncrypt : Offer::kNone) << i;
  }
  // Enter in a password box presses the default button: the encryption asks first.
  BoxAnswerer user;
  user.Then(QMessageBox::No);
  w.edit("txtPassword")->setFocus();
  TestWindow::Type(w.edit("txtPassword"), QStringLiteral("pw"));
  TestWindow::Type(w.edit("txtRepeatPassword"), QStringLiteral("pw"));
  QTest::keyClick(w.edit("txtPassword"), Qt::Key_Return);
  ASSERT_EQ(user.seen.size(), 1u);
  EXPECT_EQ(user.seen[0].text, "Fortsätta?");
  EXPECT_EQ(user.unexpected, 0);
  EXPECT_EQ(box->text(), name);  // nothing changed after "no"
}

TEST_F(InputTest, EnterOnAFocusedButtonPressesThatButton) {
  TestWindow w;
  w.ShowActive();
  w.edit("txtFileName")->setText(Q(In("plain.txt")));
  App().next_choice.reset();
  w.button("btnBrowse")->setFocus();
  QTest::keyClick(w.button("btnBrowse"), Qt::Key_Return);
  EXPECT_EQ(App().dialogs_shown, 1);  // Browse, not the default Encrypt
  App().dialogs_shown = 0;
}

TEST_F(InputTest, BrowseCancelledChangesNothing) {
  TestWindow w;
  w.ShowActive();
  w.edit("txtFileName")->setText(Q(In("sealed")));
  w.edit("txtRepeatPassword")->setFocus();
  App().next_choice.reset();
  App().dialogs_shown = 0;
  w.frm().btnBrowseClick();
  EXPECT_EQ(App().dialogs_shown, 1);
  EXPECT_EQ(w.edit("txtFileName")->text(), Q(In("sealed")));
  EXPECT_EQ(OfferedBy(w), Offer::kDecrypt);
  EXPECT_EQ(w.objectNameOfFocus(), "txtRepeatPassword");
}

TEST_F(InputTest, BrowseChosenTakesTheFullNameAndMovesToThePassword) {
  TestWindow w;
  w.ShowActive();
  w.edit("txtFileName")->setText(Q(In("sealed")));
  App().next_choice = In("plain.txt");
  App().dialogs_shown = 0;
  QTest::mouseClick(w.button("btnBrowse"), Qt::LeftButton);
  EXPECT_EQ(App().dialogs_shown, 1);
  EXPECT_EQ(w.edit("txtFileName")->text(), Q(In("plain.txt")));
  EXPECT_EQ(OfferedBy(w), Offer::kEncrypt);
  EXPECT_EQ(w.objectNameOfFocus(), "txtPassword");
}

TEST_F(InputTest, DroppedFileIsTakenLikeABrowsedOne) {
  TestWindow w;
  w.ShowActive();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(Q(In("sealed")))});
  // Qt hands a drop only to the widget that accepted the drag's entry.
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.window(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.window(), &drop);
  EXPECT_EQ(w.edit("txtFileName")->text(), Q(In("sealed")));
  EXPECT_EQ(OfferedBy(w), Offer::kDecrypt);
  EXPECT_EQ(w.objectNameOfFocus(), "txtPassword");
  EXPECT_TRUE(w.window()->acceptDrops());
}

TEST_F(InputTest, CtrlQEndsAtOnceEvenWithPasswordsTyped) {
  TestWindow w;
  w.ShowActive();
  BoxAnswerer user;
  w.edit("txtPassword")->setText("secret");
  w.edit("txtRepeatPassword")->setText("secret");
  QTest::keyClick(w.edit("txtPassword"), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(w.window()->isVisible());
  EXPECT_TRUE(user.seen.empty());
}

TEST_F(InputTest, AboutBoxInBothLanguages) {
  for (const bool swedish : {true, false}) {
    TestWindow w({}, swedish ? 1053 : 1033);
    w.ShowActive();
    BoxAnswerer user;
    user.Then(QMessageBox::Ok);
    QTest::keyClick(w.window(), Qt::Key_F1);
    ASSERT_EQ(user.seen.size(), 1u);
    const SeenBox& box = user.seen[0];
    EXPECT_EQ(box.caption, swedish ? "Om Sigillo 1.41" : "About Vaultix1.01");
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QStringList{"OK"});
    EXPECT_EQ(box.owner, w.window());
    // Two paragraphs, each one sentence with an address in parentheses.
    const QStringList paragraphs = box.text.trimmed().split(QStringLiteral("\n\n"));
    ASSERT_EQ(paragraphs.size(), 2) << box.text.toStdString();
    for (const QString& paragraph : paragraphs) {
      EXPECT_FALSE(paragraph.contains(QLatin1Char('\n')));
      EXPECT_TRUE(paragraph.endsWith(QStringLiteral(").")));
      EXPECT_TRUE(paragraph.contains(QStringLiteral("(https://")));
    }
    EXPECT_EQ(user.unexpected, 0);
  }
}

}  // namespace
}  // namespace sigillo::test
