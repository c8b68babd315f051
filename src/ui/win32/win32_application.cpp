#include "ui/win32/win32_application.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "toolz/facts.h"
#include "toolz/wide_text.h"
#include "ui/win32/win32_command_line.h"
#include "ui/win32/win32_dialogs.h"
#include "ui/win32/win32_form.h"

namespace sigillo::ui::win32 {

namespace {

int32_t ThreadLocaleIdentifier() {
  const LCID lcid = GetThreadLocale();
  return lcid == 0 ? kDefaultLocaleId : static_cast<int32_t>(lcid);
}

HCURSOR CursorOf(ScreenCursor cursor) {
  return LoadCursorW(nullptr, cursor == ScreenCursor::kHourGlass ? IDC_WAIT : IDC_ARROW);
}

}  // namespace

Win32Application::Win32Application(HINSTANCE instance)
    : instance_(instance), locale_id_(ThreadLocaleIdentifier()) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  RegisterFormClass(instance_);
}

Win32Application::~Win32Application() {
  if (cursor_ != ScreenCursor::kDefault) ::SetCursor(CursorOf(ScreenCursor::kDefault));
}

void Win32Application::SetTitle(TextView title) {
  title_ = title;
}

Text Win32Application::Title() const {
  return title_;
}

Text Win32Application::ExeName() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return Text();
    if (length < path.size()) return TextOfWide(std::wstring_view(path).substr(0, length));
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

TextList Win32Application::Arguments() const {
  TextList arguments = SplitCommandLine(TextOfWide(GetCommandLineW()));
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program's own name
  return arguments;
}

std::unique_ptr<Form> Win32Application::CreateForm(std::string_view name) {
  return std::make_unique<Win32Form>(*this, name);
}

int Win32Application::Run(Form& main_form) {
  auto& form = static_cast<Win32Form&>(main_form);
  if (!form.Visible()) form.Show();
  running_ = &form;
  MSG msg{};
  int code = 0;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      code = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) break;
    HandleMessage(msg);
  }
  running_ = nullptr;
  return code;
}

void Win32Application::ProcessMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // For the loop that waits for it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    HandleMessage(msg);
  }
}

void Win32Application::HandleMessage(MSG& msg) {
  const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr) {
    for (Win32Form* form : dispatch_.Forms()) {
      if (form->hwnd() != root) continue;
      if (form->PreTranslate(msg)) return;
      break;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Application::SetCursor(ScreenCursor cursor) {
  cursor_ = cursor;
  ::SetCursor(CursorOf(cursor));
}

ScreenCursor Win32Application::Cursor() const {
  return cursor_;
}

std::unique_ptr<OpenDialog> Win32Application::NewOpenDialog(HWND owner) {
  return std::make_unique<Win32OpenDialog>(owner);
}

void Win32Application::SettingsChanged() {
  SetThreadLocale(GetUserDefaultLCID());
  locale_id_ = ThreadLocaleIdentifier();
}

void Win32Application::Dispatch(const std::function<void()>& handler) {
  dispatch_.Dispatch(handler);
}

void Win32Application::AddForm(Win32Form* form) {
  dispatch_.Add(form);
}

void Win32Application::RemoveForm(Win32Form* form) {
  dispatch_.Remove(form);
  if (running_ == form) running_ = nullptr;
}

void Win32Application::FormClosed(const Win32Form& form) {
  if (running_ == &form) PostQuitMessage(0);
}

}  // namespace sigillo::ui::win32
