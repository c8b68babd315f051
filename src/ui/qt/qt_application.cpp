#include "ui/qt/qt_application.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QTranslator>
#include <algorithm>

#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/qt_text.h"

namespace sigillo::ui::qt {

namespace {

// The letters QZ, drawn apart for 16 and for 32 pixels.
QIcon ApplicationIcon() {
  QIcon icon;
  for (const char* name : {"icon-16", "icon-32"}) {
    const QPixmap pixmap = RenderPicture(name, 1);
    if (!pixmap.isNull()) icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QtApplication::QtApplication(int& argc, char** argv) {
  // The arguments as the system passed them, before Qt takes out the ones it knows.
  TextList arguments;
  for (int i = 1; i < argc; ++i)
    arguments.push_back(FromQString(QString::fromLocal8Bit(argv[i])));
  if (QApplication::instance() == nullptr) own_app_ = std::make_unique<QApplication>(argc, argv);
  arguments_ = std::move(arguments);

  InstallFontSubstitutes();
  button_words_ = ButtonWordsTranslator();
  if (button_words_) QCoreApplication::installTranslator(button_words_.get());
  QGuiApplication::setDesktopFileName(QStringLiteral("sigillo"));
  QApplication::setWindowIcon(ApplicationIcon());
}

QtApplication::~QtApplication() {
  if (button_words_) QCoreApplication::removeTranslator(button_words_.get());
  if (cursor_ != ScreenCursor::kDefault) QGuiApplication::restoreOverrideCursor();
}

void QtApplication::SetTitle(TextView title) {
  title_ = title;
}

Text QtApplication::Title() const {
  return title_;
}

Text QtApplication::ExeName() const {
  return FromQString(QCoreApplication::applicationFilePath());
}

TextList QtApplication::Arguments() const {
  return arguments_;
}

std::unique_ptr<Form> QtApplication::CreateForm(std::string_view name) {
  return std::make_unique<QtForm>(*this, name);
}

int QtApplication::Run(Form& main_form) {
  if (!main_form.Visible()) main_form.Show();
  return QApplication::exec();
}

void QtApplication::ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtApplication::SetCursor(ScreenCursor cursor) {
  if (cursor == cursor_) return;
  if (cursor == ScreenCursor::kDefault) {
    QGuiApplication::restoreOverrideCursor();
  } else {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  cursor_ = cursor;
}

ScreenCursor QtApplication::Cursor() const {
  return cursor_;
}

std::unique_ptr<OpenDialog> QtApplication::NewOpenDialog(QWidget* parent) {
  return std::make_unique<QtOpenDialog>(parent);
}

void QtApplication::Dispatch(const std::function<void()>& handler) {
  dispatch_.Dispatch(handler);
}

void QtApplication::AddForm(QtForm* form) {
  dispatch_.Add(form);
}

void QtApplication::RemoveForm(QtForm* form) {
  dispatch_.Remove(form);
}

}  // namespace sigillo::ui::qt
