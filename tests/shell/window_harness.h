// Running the real window under Qt's offscreen platform: the application object,
// a user who answers message boxes, and access to the window's Qt widgets.
#pragma once

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/main_form.h"
#include "ui/qt/qt_application.h"
#include "window_driver.h"

namespace sigillo::test {

// Qt's application object with an open-file dialog that does what the test says,
// and a record of every pause for messages.
class TestApplication : public ui::qt::QtApplication {
 public:
  using QtApplication::QtApplication;

  std::unique_ptr<ui::OpenDialog> NewOpenDialog(QWidget* parent) override;
  void ProcessMessages() override;

  // What the next Browse dialog answers: a chosen name, or nothing for Cancel.
  std::optional<Text> next_choice;
  int dialogs_shown = 0;
  // Runs at every pause for messages, before the messages are handled.
  std::function<void()> on_pump;
  int pumps = 0;
};

TestApplication& App();

// A message box as the user saw it.
struct SeenBox {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;  // the words, without mnemonic marks, in the box's order
  QString default_button;
  bool modal = false;
  QWidget* owner = nullptr;
};

// Answers the message boxes in the order they appear with the buttons queued;
// a box with no answer queued counts as unexpected and is closed with its escape.
// Only the newest answerer alive answers.
class BoxAnswerer : public QObject {
 public:
  BoxAnswerer();
  ~BoxAnswerer() override;

  BoxAnswerer& Then(QMessageBox::StandardButton answer) {
    answers_.push_back(answer);
    return *this;
  }

  std::vector<SeenBox> seen;
  int unexpected = 0;
  // Runs while each box is open, before it is answered.
  std::function<void(const SeenBox&)> on_box;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Answer(QPointer<QMessageBox> box);
  std::deque<QMessageBox::StandardButton> answers_;
  BoxAnswerer* previous_;
};

// The main window of one test, built as the program's start-up builds it.
class TestWindow : public WindowDriver {
 public:
  explicit TestWindow(TextList arguments = {}, int32_t locale_id = 1053);
  ~TestWindow() override;

  TfrmMain& frm() override { return *frm_; }
  QMainWindow* window() const;
  QWidget* client() const;
  QLineEdit* edit(const char* name) const;
  QPushButton* button(const char* name) const;
  QLabel* label(const char* name) const;
  QAction* action(const char* name) const;
  QString objectNameOfFocus() const;

  void ShowActive() override;
  std::string FocusName() const override;
  void PressKey(NamedKey key) override;
  void ClickButton(const char* name) override;
  void SetControlEnabled(const char* name, bool enabled) override;
  void FocusControl(const char* name) override;
  void SetControlText(const char* name, TextView text) override;
  Text ControlText(const char* name) const override;
  bool IsControlEnabled(const char* name) const override;
  bool IsDefaultButton(const char* name) const override;
  void AnswerNextBrowse(std::optional<Text> choice) override;
  int BrowseDialogsShown() const override;
  bool IsVisible() const override;
  bool IsFormEnabled() const override { return window()->isEnabled(); }
  Text Title() const override;
  void FlushMessages() override;
  void TypeText(const char* name, TextView text) override;
  std::unique_ptr<BoxUser> AnswerBoxes() override;
  bool CursorIsDefault() const override;
  int Pumps() const override;
  // Types text into the box as keystrokes, one character at a time.
  static void Type(QWidget* widget, const QString& text);

 private:
  std::unique_ptr<TfrmMain> frm_;
};

// The answerer behind the shared tests' user, for tests that look into the boxes
// while they are open.
class WindowBoxUser : public BoxUser {
 public:
  explicit WindowBoxUser(const TestWindow& window);
  BoxUser& Then(Answer answer) override;
  std::vector<BoxSeen> Seen() const override;
  int Unexpected() const override { return answerer.unexpected; }

  BoxAnswerer answerer;

 private:
  QWidget* window_;
};

// Text <-> QString and file names for the tests.
QString Q(TextView text);
Text T(const QString& text);
Text T(const std::string& utf8);

}  // namespace sigillo::test
