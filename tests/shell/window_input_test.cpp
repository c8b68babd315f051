// The enabling rule, Browse, dropped files, Quit and About.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "window_harness.h"
#include "window_input_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

}  // namespace

std::vector<EnablingCase> SystemEnablingCases(const fs::path& dir) {
  fs::create_symlink(dir / "plain.txt", dir / "link");
  return {
      {"symbolic link", TextOfPath(dir, "link"), Offer::kNone},
      {"with a trailing blank", TextOfPath(dir, "plain.txt") + u" ", Offer::kNone},
  };
}

namespace {

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
