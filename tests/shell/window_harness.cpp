#include "window_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "fileops/operations.h"
#include "shell/language.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/qt_text.h"

namespace sigillo::test {

namespace {

class ScriptedOpenDialog : public ui::OpenDialog {
 public:
  explicit ScriptedOpenDialog(TestApplication& app) : app_(app) {}
  void SetTitle(TextView title) override { title_ = title; }
  Text Title() const override { return title_; }
  void SetFilter(TextView filter) override { filter_ = filter; }
  Text Filter() const override { return filter_; }
  bool Execute() override {
    ++app_.dialogs_shown;
    if (!app_.next_choice) return false;
    file_name_ = *app_.next_choice;
    app_.next_choice.reset();
    return true;
  }
  Text FileName() const override { return file_name_; }

 private:
  TestApplication& app_;
  Text title_;
  Text filter_;
  Text file_name_;
};

QString WithoutMnemonic(QString text) {
  return text.remove(QLatin1Char('&'));
}

}  // namespace

std::unique_ptr<ui::OpenDialog> TestApplication::NewOpenDialog(QWidget*) {
  return std::make_unique<ScriptedOpenDialog>(*this);
}

void TestApplication::ProcessMessages() {
  ++pumps;
  if (on_pump) on_pump();
  QtApplication::ProcessMessages();
}

// ---- Message boxes ----

namespace {
BoxAnswerer* active_answerer = nullptr;
}  // namespace

BoxAnswerer::BoxAnswerer() : previous_(active_answerer) {
  active_answerer = this;
  qApp->installEventFilter(this);
}

BoxAnswerer::~BoxAnswerer() {
  qApp->removeEventFilter(this);
  active_answerer = previous_;
}

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && active_answerer == this) {
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
      QPointer<QMessageBox> guarded(box);
      // Answered from the box's own loop, once it runs.
      QTimer::singleShot(0, this, [this, guarded] { Answer(guarded); });
    }
  }
  return QObject::eventFilter(watched, event);
}

void BoxAnswerer::Answer(QPointer<QMessageBox> box) {
  if (!box) return;
  SeenBox s;
  s.text = box->text();
  s.caption = box->windowTitle();
  s.icon = box->icon();
  // In the order of the Windows box, whatever the platform's layout.
  for (QMessageBox::StandardButton kind : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) {
    if (QAbstractButton* b = box->button(kind)) s.buttons << WithoutMnemonic(b->text());
  }
  if (static_cast<qsizetype>(box->buttons().size()) != s.buttons.size()) s.buttons << "?";
  if (box->defaultButton() != nullptr)
    s.default_button = WithoutMnemonic(box->defaultButton()->text());
  s.modal = box->isModal();
  s.owner = box->parentWidget();
  seen.push_back(s);
  if (on_box) on_box(s);

  QAbstractButton* pressed = nullptr;
  if (!answers_.empty()) {
    pressed = box->button(answers_.front());
    answers_.pop_front();
  }
  if (pressed == nullptr) {
    ++unexpected;
    pressed = box->escapeButton();
  }
  if (pressed != nullptr) {
    pressed->click();
  } else {
    box->reject();
  }
}

// ---- Window ----

TestWindow::TestWindow(TextList arguments, int32_t locale_id) {
  SetCommandLine(std::move(arguments));
  SetLocaleSource([locale_id] { return locale_id; });
  App().SetTitle(kTitleSwedish);
  App().next_choice.reset();
  App().dialogs_shown = 0;
  App().on_pump = nullptr;
  App().pumps = 0;
  frm_ = std::make_unique<TfrmMain>(App(), HostOperationContext());
}

TestWindow::~TestWindow() {
  App().on_pump = nullptr;
  frm_.reset();
  App().SetCursor(ui::ScreenCursor::kDefault);
  SetLocaleSource(nullptr);
  SetCommandLine({});
}

QMainWindow* TestWindow::window() const {
  return &static_cast<ui::qt::QtForm&>(frm_->Form()).window();
}

QWidget* TestWindow::client() const {
  return window()->centralWidget();
}

QLineEdit* TestWindow::edit(const char* name) const {
  return window()->findChild<QLineEdit*>(QString::fromUtf8(name));
}

QPushButton* TestWindow::button(const char* name) const {
  return window()->findChild<QPushButton*>(QString::fromUtf8(name));
}

QLabel* TestWindow::label(const char* name) const {
  return window()->findChild<QLabel*>(QString::fromUtf8(name));
}

QAction* TestWindow::action(const char* name) const {
  return window()->findChild<QAction*>(QString::fromUtf8(name));
}

QString TestWindow::objectNameOfFocus() const {
  QWidget* focus = window()->focusWidget();
  return focus ? focus->objectName() : QString();
}

void TestWindow::ShowActive() {
  frm_->Form().Show();
  QApplication::setActiveWindow(window());
  (void)QTest::qWaitForWindowActive(window());
}

std::string TestWindow::FocusName() const {
  return objectNameOfFocus().toStdString();
}

void TestWindow::PressKey(NamedKey key) {
  QTest::keyClick(QApplication::focusWidget(),
                  key == NamedKey::kTab ? Qt::Key_Tab : Qt::Key_Return);
}

void TestWindow::ClickButton(const char* name) {
  QTest::mouseClick(button(name), Qt::LeftButton);
}

void TestWindow::SetControlText(const char* name, TextView text) {
  edit(name)->setText(Q(text));
}

Text TestWindow::ControlText(const char* name) const {
  if (QLabel* text = label(name)) return T(text->text());
  return T(edit(name)->text());
}

bool TestWindow::IsControlEnabled(const char* name) const {
  return window()->findChild<QWidget*>(QString::fromUtf8(name))->isEnabled();
}

bool TestWindow::IsDefaultButton(const char* name) const {
  return button(name)->isDefault();
}

void TestWindow::AnswerNextBrowse(std::optional<Text> choice) {
  App().next_choice = std::move(choice);
}

int TestWindow::BrowseDialogsShown() const {
  return App().dialogs_shown;
}

bool TestWindow::IsVisible() const {
  return window()->isVisible();
}

Text TestWindow::Title() const {
  return T(window()->windowTitle());
}

void TestWindow::FlushMessages() {
  QApplication::processEvents();
}

void TestWindow::TypeText(const char* name, TextView text) {
  Type(edit(name), Q(text));
}

WindowBoxUser::WindowBoxUser(const TestWindow& window) : window_(window.window()) {}

BoxUser& WindowBoxUser::Then(Answer answer) {
  answerer.Then(answer == Answer::kYes  ? QMessageBox::Yes
                : answer == Answer::kNo ? QMessageBox::No
                                        : QMessageBox::Ok);
  return *this;
}

namespace {

BoxIcon IconOf(QMessageBox::Icon icon) {
  switch (icon) {
    case QMessageBox::Critical:
      return BoxIcon::kError;
    case QMessageBox::Question:
      return BoxIcon::kQuestion;
    case QMessageBox::Information:
      return BoxIcon::kInformation;
    default:
      return BoxIcon::kNone;
  }
}

}  // namespace

std::vector<BoxSeen> WindowBoxUser::Seen() const {
  std::vector<BoxSeen> boxes;
  for (const SeenBox& box : answerer.seen) {
    BoxSeen seen{T(box.text), T(box.caption), IconOf(box.icon), {}, false};
    for (const QString& word : box.buttons)
      seen.buttons.push_back(word == "Yes"  ? Answer::kYes
                             : word == "No" ? Answer::kNo
                             : word == "OK" ? Answer::kOk
                                            : Answer::kOther);
    seen.held_by_window = box.modal && box.owner == window_ && !box.buttons.isEmpty() &&
                          box.default_button == box.buttons.front();
    boxes.push_back(seen);
  }
  return boxes;
}

std::unique_ptr<BoxUser> TestWindow::AnswerBoxes() {
  return std::make_unique<WindowBoxUser>(*this);
}

bool TestWindow::CursorIsDefault() const {
  return App().Cursor() == ui::ScreenCursor::kDefault && QApplication::overrideCursor() == nullptr;
}

int TestWindow::Pumps() const {
  return App().pumps;
}

void TestWindow::SetControlEnabled(const char* name, bool enabled) {
  window()->findChild<QWidget*>(QString::fromUtf8(name))->setEnabled(enabled);
}

void TestWindow::FocusControl(const char* name) {
  window()->findChild<QWidget*>(QString::fromUtf8(name))->setFocus();
}

std::unique_ptr<WindowDriver> OpenWindow(TextList arguments, int32_t locale_id) {
  return std::make_unique<TestWindow>(std::move(arguments), locale_id);
}

void TestWindow::Type(QWidget* widget, const QString& text) {
  for (QChar ch : text) {
    // keyClicks knows only ASCII; other characters go in as the text of a key event.
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

QString Q(TextView text) {
  return ui::qt::ToQString(text);
}

Text T(const QString& text) {
  return ui::qt::FromQString(text);
}

Text T(const std::string& utf8) {
  return Utf8ToTextLossy(utf8);
}

}  // namespace sigillo::test
