// The window as a picture in both languages, for the README. Written only when
// SIGILLO_SCREENSHOT_DIR names a folder (the build's "screenshots" target does).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <cstdlib>

#include "window_harness.h"

namespace sigillo::test {
namespace {

// The window below a plain title bar with its caption, as a window manager would
// draw it; the offscreen platform draws none.
QImage Picture(TestWindow& w) {
  const QImage content = w.window()->grab().toImage();
  const int bar = 24;
  QImage picture(content.width() + 2, content.height() + bar + 1, QImage::Format_RGB32);
  picture.fill(QColor(0x44, 0x4c, 0x5c));
  QPainter painter(&picture);
  painter.drawImage(1, bar, content);
  const QIcon icon = QApplication::windowIcon();
  painter.drawPixmap(5, (bar - 16) / 2, icon.pixmap(16, 16));
  QFont font = QApplication::font();
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(26, 0, picture.width() - 30, bar), Qt::AlignVCenter | Qt::AlignLeft,
                   w.window()->windowTitle());
  return picture;
}

TEST(ScreenshotTest, WindowInBothLanguages) {
  const char* folder = std::getenv("SIGILLO_SCREENSHOT_DIR");
  for (const bool swedish : {true, false}) {
    TestWindow w({}, swedish ? 1053 : 1033);
    w.ShowActive();
    w.edit("txtFileName")->setText(QStringLiteral("/home/anna/Dokument/deklaration.pdf"));
    w.edit("txtPassword")->setText(QStringLiteral("hemligt"));
    w.edit("txtRepeatPassword")->setText(QStringLiteral("hemligt"));
    w.button("btnEncrypt")->setEnabled(true);  // as for an existing file
    w.button("btnEncrypt")->setDefault(true);
    w.label("lblStatus")
        ->setText(swedish ? QStringLiteral("Krypterar 37 %") : QStringLiteral("加密 37 %"));
    const QImage picture = Picture(w);
    EXPECT_EQ(picture.width(), 249 + 2);
    EXPECT_GT(picture.height(), 305 + w.window()->menuBar()->height());
    if (folder != nullptr) {
      const QString name = swedish ? QStringLiteral("window-swedish.png")
                                   : QStringLiteral("window-second-language.png");
      EXPECT_TRUE(picture.save(QDir(QString::fromLocal8Bit(folder)).filePath(name)));
    }
  }
}

}  // namespace
}  // namespace sigillo::test
