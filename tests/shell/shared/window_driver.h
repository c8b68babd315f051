// What the window tests shared by both systems need of a running window. Each
// system's harness gives it: Qt's offscreen one and the Win32 one under wine.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shell/main_form.h"
#include "toolz/text.h"

namespace sigillo::test {

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  virtual TfrmMain& frm() = 0;
  // Shows the window and waits until it is the active one (for keys and shortcuts).
  virtual void ShowActive() = 0;
  // The name of the control that has the focus, empty for none of them.
  virtual std::string FocusName() const = 0;
  // Tab pressed on the control that has the focus, as the user presses it.
  virtual void PressTab() = 0;
  // Straight on the control, past the window's own rules.
  virtual void SetControlEnabled(const char* name, bool enabled) = 0;
  virtual void FocusControl(const char* name) = 0;
};

// The main window of one test, built as the program's start-up builds it.
std::unique_ptr<WindowDriver> OpenWindow(TextList arguments = {}, int32_t locale_id = 1053);

}  // namespace sigillo::test
