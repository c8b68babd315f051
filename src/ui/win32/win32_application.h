// The application object over the Win32 API: the program's title and file, its
// forms, the message loop and the application-wide cursor, and the locale the
// program goes by.
#pragma once

#include "ui/win32/win32_windows.h"

#include <functional>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/handler_dispatch.h"

namespace sigillo::ui::win32 {

class Win32Form;

class Win32Application : public Application {
 public:
  explicit Win32Application(HINSTANCE instance = GetModuleHandleW(nullptr));
  ~Win32Application() override;
  Win32Application(const Win32Application&) = delete;
  Win32Application& operator=(const Win32Application&) = delete;

  void SetTitle(TextView title) override;
  Text Title() const override;
  Text ExeName() const override;
  TextList Arguments() const override;

  std::unique_ptr<Form> CreateForm(std::string_view name) override;
  int Run(Form& main_form) override;
  void ProcessMessages() override;

  void SetCursor(ScreenCursor cursor) override;
  ScreenCursor Cursor() const override;

  // The open-file dialog that a form creates; tests put their own in its place.
  virtual std::unique_ptr<OpenDialog> NewOpenDialog(HWND owner);

  // The locale identifier: the thread's at start-up, 1033 when the system names
  // none. A change of the system's settings (or a new taskbar) sets the thread's
  // locale to the user's default one and takes the identifier from it anew.
  int32_t LocaleIdentifier() const { return locale_id_; }
  void SettingsChanged();

  // Runs a handler of the program's. Closes asked for while handlers run wait until
  // the outermost one has returned; nothing the handler throws reaches the loop.
  void Dispatch(const std::function<void()>& handler);
  bool InHandler() const { return dispatch_.InHandler(); }

  // One message through the accelerators and dialog keys of its form, then to its
  // window procedure.
  void HandleMessage(MSG& msg);

  HINSTANCE instance() const { return instance_; }
  void AddForm(Win32Form* form);
  void RemoveForm(Win32Form* form);
  // A form has closed: the end of the message loop when it is the one Run shows.
  void FormClosed(const Win32Form& form);

 private:
  HINSTANCE instance_;
  Text title_;
  ScreenCursor cursor_ = ScreenCursor::kDefault;
  int32_t locale_id_ = 0;
  HandlerDispatch<Win32Form> dispatch_;
  const Win32Form* running_ = nullptr;
};

}  // namespace sigillo::ui::win32
