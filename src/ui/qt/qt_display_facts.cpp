#include "ui/qt/qt_display_facts.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <cmath>
#include <limits>

namespace sigillo::ui::qt {

namespace {

// Remembers when the user last pressed a key or used the mouse in the program.
class InputWatch : public QObject {
 public:
  InputWatch() { since_input_.start(); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::MouseButtonPress:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::TouchBegin:
        since_input_.restart();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

  int32_t IdleMilliseconds() const {
    const qint64 ms = since_input_.elapsed();
    return ms > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                    : static_cast<int32_t>(ms);
  }

 private:
  QElapsedTimer since_input_;
};

class QtDisplayFacts : public DisplayFacts {
 public:
  explicit QtDisplayFacts(InputWatch* watch) : watch_(watch) {}

  // In device pixels, as the system's screen metrics count them.
  int32_t ScreenWidth() const override {
    const QScreen* screen = Screen();
    return screen ? Round(screen->geometry().width() * screen->devicePixelRatio()) : 0;
  }
  int32_t ScreenHeight() const override {
    const QScreen* screen = Screen();
    return screen ? Round(screen->geometry().height() * screen->devicePixelRatio()) : 0;
  }
  int32_t ScreenRefreshRate() const override {
    const QScreen* screen = Screen();
    return screen ? Round(screen->refreshRate()) : 0;
  }
  int32_t ScreenBitsPerPixel() const override {
    const QScreen* screen = Screen();
    return screen ? screen->depth() : 0;
  }
  int32_t CursorX() const override { return QCursor::pos().x(); }
  int32_t CursorY() const override { return QCursor::pos().y(); }
  int32_t IdleTime() const override { return watch_ ? watch_->IdleMilliseconds() : 0; }

 private:
  static const QScreen* Screen() { return QGuiApplication::primaryScreen(); }
  static int32_t Round(double value) { return static_cast<int32_t>(std::lround(value)); }

  QPointer<InputWatch> watch_;  // gone with the application
};

}  // namespace

std::shared_ptr<const DisplayFacts> MakeDisplayFacts() {
  auto* watch = new InputWatch;
  watch->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(watch);
  return std::make_shared<QtDisplayFacts>(watch);
}

}  // namespace sigillo::ui::qt
