// What the window tests shared by both systems need of a running window. Each
// system's harness gives it: Qt's offscreen one and the Win32 one under wine.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/main_form.h"
#include "toolz/text.h"

namespace sigillo::test {

enum class NamedKey { kTab, kEnter };

// The buttons of a message box, and the answers a test gives with them.
enum class Answer { kYes, kNo, kOk, kOther };
enum class BoxIcon { kNone, kError, kQuestion, kInformation };

// A message box as the user saw it.
struct BoxSeen {
  Text text;
  Text caption;
  BoxIcon icon = BoxIcon::kNone;
  std::vector<Answer> buttons;  // in the box's order
  // Modal over the main window, which owns it, with the first button the default
  // where the system says which one is.
  bool held_by_window = false;
};

// Answers the message boxes in the order they appear with the answers queued; a box
// without an answer queued counts as unexpected and is closed.
class BoxUser {
 public:
  virtual ~BoxUser() = default;
  virtual BoxUser& Then(Answer answer) = 0;
  virtual std::vector<BoxSeen> Seen() const = 0;
  virtual int Unexpected() const = 0;
};

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  virtual TfrmMain& frm() = 0;
  // Shows the window and waits until it is the active one (for keys and shortcuts).
  virtual void ShowActive() = 0;
  // The name of the control that has the focus, empty for none of them.
  virtual std::string FocusName() const = 0;
  // A key pressed on the control that has the focus, as the user presses it.
  virtual void PressKey(NamedKey key) = 0;
  // A button clicked with the mouse.
  virtual void ClickButton(const char* name) = 0;
  // Straight on the control, past the window's own rules.
  virtual void SetControlEnabled(const char* name, bool enabled) = 0;
  virtual void FocusControl(const char* name) = 0;
  // The text of a box set as a program or a paste sets it, in one change.
  virtual void SetControlText(const char* name, TextView text) = 0;
  virtual Text ControlText(const char* name) const = 0;
  virtual bool IsControlEnabled(const char* name) const = 0;
  // A button drawn and pressed as the default one.
  virtual bool IsDefaultButton(const char* name) const = 0;
  // What the next Browse dialog answers: a chosen name, or nothing for Cancel.
  virtual void AnswerNextBrowse(std::optional<Text> choice) = 0;
  // The Browse dialogs shown since the window was made.
  virtual int BrowseDialogsShown() const = 0;
  virtual bool IsVisible() const = 0;
  // The window as a whole takes input (no box holds it).
  virtual bool IsFormEnabled() const = 0;
  virtual Text Title() const = 0;
  // Handles the messages the window has sent itself for later.
  virtual void FlushMessages() = 0;
  // Characters into the box, one keystroke each, as typing does.
  virtual void TypeText(const char* name, TextView text) = 0;
  // The user who answers the boxes from now on, until it is gone.
  virtual std::unique_ptr<BoxUser> AnswerBoxes() = 0;
  // The arrow, not the hourglass.
  virtual bool CursorIsDefault() const = 0;
  // The pauses for messages since the window was made: none unless a run was busy.
  virtual int Pumps() const = 0;
};

// A name in a folder, written in UTF-8, as the window shows it.
inline Text TextOfPath(const std::filesystem::path& dir, const char* utf8_name) {
  return (dir / std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8_name))))
      .u16string();
}

// The main window of one test, built as the program's start-up builds it.
std::unique_ptr<WindowDriver> OpenWindow(TextList arguments = {}, int32_t locale_id = 1053);

}  // namespace sigillo::test
