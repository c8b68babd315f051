// Running the real window on the Win32 layer under wine or Windows: the
// application object, a user who answers message boxes and dialogs, and access to
// the window's controls by their names.
#pragma once

#include "ui/win32/win32_windows.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/main_form.h"
#include "ui/win32/win32_application.h"
#include "ui/win32/win32_form.h"
#include "window_driver.h"

namespace sigillo::test {

// The application object with an open-file dialog that does what the test says
// (unless the test asks for the system's own), and a record of every pause for
// messages.
class TestApplication : public ui::win32::Win32Application {
 public:
  using Win32Application::Win32Application;

  std::unique_ptr<ui::OpenDialog> NewOpenDialog(HWND owner) override;
  void ProcessMessages() override;

  // Forms created while this is set get the system's dialog.
  bool system_dialogs = false;
  // What the next scripted Browse dialog answers: a chosen name, or nothing for Cancel.
  std::optional<Text> next_choice;
  int dialogs_shown = 0;
  // Runs at every pause for messages, before the messages are handled.
  std::function<void()> on_pump;
  int pumps = 0;
};

TestApplication& App();

// Handles every pending message as the program's own loop would, without counting
// it as a pause of an operation.
void HandlePendingMessages();
// Removes whatever is left in the queue, a request to quit included.
void DrainMessages();

// A message box as the user saw it.
struct SeenBox {
  Text text;
  Text caption;
  uint32_t icon = 0;         // the icon's style value: 16, 32, 64 (0 for none or unknown)
  std::vector<int> buttons;  // IDOK, IDYES, IDNO..., in the box's order of identifiers
  std::vector<Text> words;   // their words, without mnemonic marks
  int default_button = 0;
  HWND owner = nullptr;
  bool owner_disabled = false;
};

// Answers the message boxes in the order they appear with the answers queued
// (IDYES, IDNO, IDOK); a box without an answer queued counts as unexpected and is
// closed. Only the newest answerer alive answers; with none, a box fails the test.
class BoxAnswerer {
 public:
  BoxAnswerer();
  ~BoxAnswerer();
  BoxAnswerer(const BoxAnswerer&) = delete;
  BoxAnswerer& operator=(const BoxAnswerer&) = delete;

  BoxAnswerer& Then(int answer) {
    answers_.push_back(answer);
    return *this;
  }

  std::vector<SeenBox> seen;
  int unexpected = 0;
  // Runs while each box is open, before it is answered.
  std::function<void(const SeenBox&)> on_box;
  // Any other dialog (the open-file dialog): runs once it is up; it must close it.
  std::function<void(HWND dialog)> on_dialog;

  // For the hook: a message box is up.
  void Answer(HWND box);

 private:
  std::deque<int> answers_;
  BoxAnswerer* previous_;
};

// Starts watching this thread's dialogs; once, before the first window test.
void InstallDialogWatch();

// The main window of one test, built as the program's start-up builds it.
class TestWindow : public WindowDriver {
 public:
  // The locale identifier the program goes by, or kApplicationLocale for the one
  // the application object keeps, as the program has it.
  static constexpr int32_t kApplicationLocale = -1;
  explicit TestWindow(TextList arguments = {}, int32_t locale_id = 1053);
  ~TestWindow() override;
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  TfrmMain& frm() override { return *frm_; }
  ui::win32::Win32Form& form() const;
  HWND hwnd() const;
  HWND control(const char* name) const;
  Text text(const char* name) const;
  bool enabled(const char* name) const;
  // A button drawn and pressed as the default one.
  bool is_default(const char* name) const;
  std::string FocusName() const override;
  void ShowActive() override;
  void PressKey(NamedKey key) override;
  void ClickButton(const char* name) override { Click(name); }
  void SetControlEnabled(const char* name, bool enabled) override;
  void FocusControl(const char* name) override;
  void SetControlText(const char* name, TextView text) override;
  Text ControlText(const char* name) const override { return text(name); }
  bool IsControlEnabled(const char* name) const override { return enabled(name); }
  bool IsDefaultButton(const char* name) const override { return is_default(name); }
  void AnswerNextBrowse(std::optional<Text> choice) override;
  int BrowseDialogsShown() const override;
  bool IsVisible() const override { return IsWindowVisible(hwnd()) != FALSE; }
  bool IsFormEnabled() const override { return IsWindowEnabled(hwnd()) != FALSE; }
  Text Title() const override;
  void FlushMessages() override { HandlePendingMessages(); }
  void TypeText(const char* name, TextView text) override { Type(control(name), text); }
  std::unique_ptr<BoxUser> AnswerBoxes() override;
  bool CursorIsDefault() const override;
  int Pumps() const override;
  // Characters into the control, one WM_CHAR each, as typing does.
  static void Type(HWND control, TextView text);
  // A key pressed on the control with the given modifiers held, through the
  // program's handling of messages (shortcuts, dialog keys, Enter).
  static void Key(HWND control, WORD key, bool ctrl = false, bool alt = false);
  // A mnemonic: Alt with the letter.
  static void AltKey(HWND control, wchar_t letter);
  // A menu item chosen, as by the mouse.
  void Choose(const char* item);
  void Click(const char* button);

 private:
  std::unique_ptr<TfrmMain> frm_;
};

// The answerer behind the shared tests' user, for tests that look into the boxes
// while they are open.
class WindowBoxUser : public BoxUser {
 public:
  explicit WindowBoxUser(const TestWindow& window);
  WindowBoxUser(const WindowBoxUser&) = delete;
  WindowBoxUser& operator=(const WindowBoxUser&) = delete;
  BoxUser& Then(Answer answer) override;
  std::vector<BoxSeen> Seen() const override;
  int Unexpected() const override { return answerer.unexpected; }

  BoxAnswerer answerer;

 private:
  HWND window_;
};

// Texts for the tests.
Text T(const std::filesystem::path& path);
Text T(const std::string& utf8);
std::string U8(TextView text);

// A program built beside the tests, by its path relative to the test program's folder.
std::filesystem::path BuiltProgram(const char* relative);

}  // namespace sigillo::test
