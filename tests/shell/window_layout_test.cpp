// The window as built: every control's place, size, caption in both languages
// and settings, the menu, the painted lines and the pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <vector>

#include "window_expectations.h"
#include "window_harness.h"

namespace sigillo::test {
namespace {

TEST_P(LayoutTest, EveryControlAsDescribed) {
  const bool swedish = GetParam();
  TestWindow w({}, LocaleOf(swedish));
  for (const ControlRow& row : kControls) {
    SCOPED_TRACE(row.name);
    QWidget* widget = w.window()->findChild<QWidget*>(row.name);
    ASSERT_NE(widget, nullptr);
    const QString caption = Q(swedish ? row.swedish : row.second);
    const QRect geometry(row.bounds.left, row.bounds.top, row.bounds.width, row.bounds.height);
    EXPECT_EQ(widget->isEnabled(), row.enabled);
    if (row.kind == Kind::kAutoLabel) {
      EXPECT_EQ(widget->pos(), geometry.topLeft());
      EXPECT_EQ(widget->size(), widget->sizeHint());  // sized to its text
    } else {
      EXPECT_EQ(widget->geometry(), geometry);
    }
    switch (row.kind) {
      case Kind::kLabel:
      case Kind::kAutoLabel:
        EXPECT_EQ(w.label(row.name)->text(), caption);
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
        break;
      case Kind::kEdit:
        EXPECT_EQ(w.edit(row.name)->echoMode(), QLineEdit::Normal);
        EXPECT_GE(w.edit(row.name)->maxLength(), 1 << 30);  // no limit of its own
        break;
      case Kind::kPassword:
        EXPECT_EQ(w.edit(row.name)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(w.edit(row.name)->maxLength(), 256);
        EXPECT_EQ(QFontInfo(widget->font()).pixelSize(), 12);
        EXPECT_TRUE(QFontInfo(widget->font()).fixedPitch());
        break;
      case Kind::kButton:
        EXPECT_EQ(w.button(row.name)->text(), caption);
        EXPECT_FALSE(w.button(row.name)->isDefault());
        EXPECT_FALSE(w.button(row.name)->icon().isNull());
        break;
    }
  }
  EXPECT_EQ(w.label("lblStatus")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_TRUE(QFontInfo(w.label("lblStatus")->font()).fixedPitch());
  EXPECT_TRUE(w.label("lblStatus")->autoFillBackground());
  EXPECT_EQ(QFontInfo(w.label("lblFileName")->font()).pixelSize(), 11);
  EXPECT_FALSE(QFontInfo(w.label("lblFileName")->font()).fixedPitch());
}

TEST_P(LayoutTest, WindowTitleSizeAndMenu) {
  const bool swedish = GetParam();
  TestWindow w({}, LocaleOf(swedish));
  EXPECT_EQ(w.window()->windowTitle(), Q(WindowTitle(swedish)));
  EXPECT_EQ(App().Title(), w.frm().Form().Caption());
  const QSize client(kClientWidth, kClientHeight);
  EXPECT_EQ(w.client()->size(), client);
  w.ShowActive();
  EXPECT_EQ(w.client()->size(), client);
  EXPECT_EQ(w.client()->geometry().top(), w.window()->menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(w.window()->minimumSize(), w.window()->maximumSize());  // not resizable
  const Qt::WindowFlags flags = w.window()->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);

  for (const MenuRow& row : kMenus) {
    SCOPED_TRACE(row.name);
    QAction* action = w.action(row.name);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), Q(swedish ? row.swedish : row.second));
    EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), Q(row.shortcut));
    EXPECT_EQ(!action->icon().isNull(), row.item);  // the items have pictures
  }
  const QList<QAction*> bar = w.window()->menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0], w.action("mnuMainFile"));
  EXPECT_EQ(bar[1], w.action("mnuMainHelp"));
  EXPECT_EQ(bar[0]->menu()->actions(), QList<QAction*>{w.action("mnuMainFileQuit")});
  EXPECT_EQ(bar[1]->menu()->actions(), QList<QAction*>{w.action("mnuMainHelpAbout")});
}

TEST(WindowTest, PasswordBoxesMaskAndLimitTypedAndPastedText) {
  TestWindow w;
  w.ShowActive();
  for (const char* name : {"txtPassword", "txtRepeatPassword"}) {
    SCOPED_TRACE(name);
    QLineEdit* box = w.edit(name);
    box->setFocus();
    TestWindow::Type(box, QStringLiteral("pässw0rd"));
    EXPECT_EQ(box->text(), "pässw0rd");
    EXPECT_EQ(box->displayText(), "********");
    box->clear();
    box->insert(QString(300, QLatin1Char('x')));  // as a paste does
    EXPECT_EQ(box->text().size(), 256);
  }
  QLineEdit* file = w.edit("txtFileName");
  file->insert(QString(1000, QLatin1Char('y')));
  EXPECT_EQ(file->text().size(), 1000);
}

TEST(WindowTest, EtchedLinesArePaintedAtEveryRepaint) {
  TestWindow w;
  w.ShowActive();
  const QPalette palette = w.client()->palette();
  const QRgb shadow = palette.color(QPalette::Dark).rgb();
  const QRgb highlight = palette.color(QPalette::Light).rgb();
  const QRgb face = palette.color(QPalette::Window).rgb();
  ASSERT_NE(shadow, face);
  ASSERT_NE(highlight, face);
  for (int pass = 0; pass < 2; ++pass) {
    const QImage image = w.client()->grab().toImage();
    for (int y : {96, 152, 208, 248}) {
      SCOPED_TRACE(y);
      for (int x : {16, 100, 231}) {
        EXPECT_EQ(image.pixel(x, y), shadow) << x;
        EXPECT_EQ(image.pixel(x, y + 1), highlight) << x;
      }
      // Neither line paints its end point, nor anything before its start.
      EXPECT_EQ(image.pixel(232, y), face);
      EXPECT_EQ(image.pixel(232, y + 1), face);
      EXPECT_EQ(image.pixel(15, y), face);
      EXPECT_EQ(image.pixel(100, y + 2), face);
    }
    w.client()->update();  // covered and uncovered: painted anew
    QApplication::processEvents();
  }
}

TEST(WindowTest, PicturesAreSixteenPixelsOnTransparentGround) {
  TestWindow w;
  std::vector<QIcon> icons = {w.action("mnuMainFileQuit")->icon(),
                              w.action("mnuMainHelpAbout")->icon(), w.button("btnBrowse")->icon(),
                              w.button("btnEncrypt")->icon(), w.button("btnDecrypt")->icon()};
  for (const QIcon& icon : icons) {
    const QImage image = icon.pixmap(QSize(16, 16), 1.0).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_TRUE(image.hasAlphaChannel());
  }
  // Closed and open padlocks differ.
  EXPECT_NE(icons[3].pixmap(16, 16).toImage(), icons[4].pixmap(16, 16).toImage());

  const QIcon program = QApplication::windowIcon();
  const QList<QSize> sizes = program.availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  const QImage small = program.pixmap(QSize(16, 16), 1.0).toImage();
  EXPECT_EQ(small.pixelColor(0, 0), QColor(Qt::black));  // the frame
  EXPECT_EQ(small.pixelColor(1, 1), QColor(Qt::white));  // the ground
  EXPECT_EQ(small.pixelColor(2, 5), QColor(255, 0, 0));  // the Q
}

TEST(WindowTest, EditBoxesHaveTheirLabelsAsAccessibleNames) {
  for (const bool swedish : {true, false}) {
    TestWindow w({}, LocaleOf(swedish));
    EXPECT_EQ(w.edit("txtFileName")->accessibleName(), w.label("lblFileName")->text());
    EXPECT_EQ(w.edit("txtPassword")->accessibleName(), w.label("lblPassword")->text());
    EXPECT_EQ(w.edit("txtRepeatPassword")->accessibleName(), w.label("lblRepeatPassword")->text());
    EXPECT_FALSE(w.edit("txtFileName")->accessibleName().isEmpty());
  }
}

}  // namespace
}  // namespace sigillo::test
