#include "window_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "fileops/operations.h"
#include "shell/language.h"
#include "toolz/wide_text.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_menu.h"

namespace sigillo::test {

namespace {

using ui::win32::WindowTextOf;

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

// The identifier of a message box's text.
constexpr int kBoxText = 0xFFFF;

Text WithoutMnemonic(Text text) {
  std::erase(text, u'&');
  return text;
}

uint32_t IconStyleOf(HWND box) {
  struct Search {
    HICON icon = nullptr;
  } search;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Static") == 0 &&
            (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          reinterpret_cast<Search*>(data)->icon =
              reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.icon == nullptr) return 0;
  const std::array<std::pair<const wchar_t*, uint32_t>, 3> icons = {
      {{IDI_ERROR, 16}, {IDI_QUESTION, 32}, {IDI_INFORMATION, 64}}};
  for (const auto& [id, style] : icons) {
    if (LoadIconW(nullptr, id) == search.icon) return style;
  }
  return 0;
}

bool IsMessageBox(HWND dialog) {
  return GetDlgItem(dialog, kBoxText) != nullptr;
}

BoxAnswerer* active_answerer = nullptr;
std::deque<HWND> dialogs_up;
HHOOK dialog_hook = nullptr;

// Runs in the dialog's own loop, once it is up and its owner disabled.
void CALLBACK DialogIsUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (dialogs_up.empty()) return;
  const HWND dialog = dialogs_up.front();
  dialogs_up.pop_front();
  if (!IsWindow(dialog)) return;
  if (IsMessageBox(dialog)) {
    if (active_answerer != nullptr) {
      active_answerer->Answer(dialog);
      return;
    }
    ADD_FAILURE() << "a message box nobody expected: " << U8(WindowTextOf(dialog));
  } else if (active_answerer != nullptr && active_answerer->on_dialog) {
    active_answerer->on_dialog(dialog);
    return;
  } else {
    ADD_FAILURE() << "a dialog nobody expected: " << U8(WindowTextOf(dialog));
  }
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK WatchDialogs(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    const auto window = reinterpret_cast<HWND>(wparam);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpW(name, L"#32770") == 0 &&
        std::find(dialogs_up.begin(), dialogs_up.end(), window) == dialogs_up.end()) {
      dialogs_up.push_back(window);
      SetTimer(nullptr, 0, 10, &DialogIsUp);
    }
  }
  return CallNextHookEx(dialog_hook, code, wparam, lparam);
}

}  // namespace

std::unique_ptr<ui::OpenDialog> TestApplication::NewOpenDialog(HWND owner) {
  if (system_dialogs) return Win32Application::NewOpenDialog(owner);
  return std::make_unique<ScriptedOpenDialog>(*this);
}

void TestApplication::ProcessMessages() {
  ++pumps;
  if (on_pump) on_pump();
  Win32Application::ProcessMessages();
}

void HandlePendingMessages() {
  App().Win32Application::ProcessMessages();
}

void DrainMessages() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message != WM_QUIT) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

// ---- Dialogs ----

void InstallDialogWatch() {
  if (dialog_hook == nullptr)
    dialog_hook = SetWindowsHookExW(WH_CBT, &WatchDialogs, nullptr, GetCurrentThreadId());
}

BoxAnswerer::BoxAnswerer() : previous_(active_answerer) {
  active_answerer = this;
}

BoxAnswerer::~BoxAnswerer() {
  active_answerer = previous_;
}

void BoxAnswerer::Answer(HWND box) {
  SeenBox s;
  s.text = ui::win32::WindowTextOf(GetDlgItem(box, kBoxText));
  s.caption = ui::win32::WindowTextOf(box);
  s.icon = IconStyleOf(box);
  for (const int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCLOSE, IDHELP}) {
    const HWND button = GetDlgItem(box, id);
    if (button == nullptr || !IsWindowVisible(button)) continue;
    s.buttons.push_back(id);
    s.words.push_back(WithoutMnemonic(ui::win32::WindowTextOf(button)));
    // The button that Enter presses is drawn as the default one.
    if ((GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      s.default_button = id;
  }
  s.owner = GetWindow(box, GW_OWNER);
  s.owner_disabled = s.owner != nullptr && !IsWindowEnabled(s.owner);
  seen.push_back(s);
  if (on_box) on_box(s);

  int answer = 0;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  if (answer == 0 || GetDlgItem(box, answer) == nullptr) {
    ++unexpected;
    answer = GetDlgItem(box, IDNO) != nullptr ? IDNO : IDOK;
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

// ---- Window ----

TestWindow::TestWindow(TextList arguments, int32_t locale_id) {
  SetCommandLine(std::move(arguments));
  if (locale_id == kApplicationLocale) {
    SetLocaleSource([] { return App().LocaleIdentifier(); });
  } else {
    SetLocaleSource([locale_id] { return locale_id; });
  }
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
  // A request to quit left behind would end the next message box at once.
  DrainMessages();
}

ui::win32::Win32Form& TestWindow::form() const {
  return static_cast<ui::win32::Win32Form&>(frm_->Form());
}

HWND TestWindow::hwnd() const {
  return form().hwnd();
}

HWND TestWindow::control(const char* name) const {
  const HWND window = form().ControlWindow(name);
  EXPECT_NE(window, nullptr) << name;
  return window;
}

Text TestWindow::text(const char* name) const {
  return ui::win32::WindowTextOf(control(name));
}

bool TestWindow::enabled(const char* name) const {
  return IsWindowEnabled(control(name)) != FALSE;
}

bool TestWindow::is_default(const char* name) const {
  const HWND button = control(name);
  const bool styled = (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const LRESULT default_id = SendMessageW(hwnd(), DM_GETDEFID, 0, 0);
  const bool role = HIWORD(default_id) == DC_HASDEFID && LOWORD(default_id) == GetDlgCtrlID(button);
  EXPECT_EQ(styled, role) << name;
  return styled && role;
}

std::string TestWindow::FocusName() const {
  const HWND focus = GetFocus();
  for (const char* name :
       {"txtFileName", "btnBrowse", "txtPassword", "txtRepeatPassword", "btnEncrypt", "btnDecrypt",
        "lblFileName", "lblPassword", "lblRepeatPassword", "lblStatus"}) {
    if (form().ControlWindow(name) == focus) return name;
  }
  return focus == hwnd() ? "frmMain" : "";
}

void TestWindow::ShowActive() {
  frm_->Form().Show();
  for (int i = 0; i < 100 && GetActiveWindow() != hwnd(); ++i) {
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
    HandlePendingMessages();
    if (GetActiveWindow() != hwnd()) Sleep(10);
  }
  HandlePendingMessages();
}

void TestWindow::PressKey(NamedKey key) {
  Key(GetFocus(), key == NamedKey::kTab ? VK_TAB : VK_RETURN);
}

void TestWindow::SetControlText(const char* name, TextView text) {
  SetWindowTextW(control(name), WideOf(text).c_str());
}

void TestWindow::AnswerNextBrowse(std::optional<Text> choice) {
  App().next_choice = std::move(choice);
}

int TestWindow::BrowseDialogsShown() const {
  return App().dialogs_shown;
}

Text TestWindow::Title() const {
  return WindowTextOf(hwnd());
}

WindowBoxUser::WindowBoxUser(const TestWindow& window) : window_(window.hwnd()) {}

BoxUser& WindowBoxUser::Then(Answer answer) {
  answerer.Then(answer == Answer::kYes ? IDYES : answer == Answer::kNo ? IDNO : IDOK);
  return *this;
}

namespace {

BoxIcon IconOf(uint32_t icon) {
  switch (icon) {
    case MB_ICONERROR:
      return BoxIcon::kError;
    case MB_ICONQUESTION:
      return BoxIcon::kQuestion;
    case MB_ICONINFORMATION:
      return BoxIcon::kInformation;
    default:
      return BoxIcon::kNone;
  }
}

}  // namespace

std::vector<BoxSeen> WindowBoxUser::Seen() const {
  std::vector<BoxSeen> boxes;
  for (const SeenBox& box : answerer.seen) {
    BoxSeen seen{box.text, box.caption, IconOf(box.icon), {}, false};
    for (const int id : box.buttons)
      seen.buttons.push_back(id == IDYES  ? Answer::kYes
                             : id == IDNO ? Answer::kNo
                             : id == IDOK ? Answer::kOk
                                          : Answer::kOther);
    seen.held_by_window = box.owner == window_ && box.owner_disabled && !box.buttons.empty() &&
                          box.default_button == box.buttons.front();
    boxes.push_back(seen);
  }
  return boxes;
}

std::unique_ptr<BoxUser> TestWindow::AnswerBoxes() {
  return std::make_unique<WindowBoxUser>(*this);
}

bool TestWindow::CursorIsDefault() const {
  return App().Cursor() == ui::ScreenCursor::kDefault;
}

int TestWindow::Pumps() const {
  return App().pumps;
}

void TestWindow::SetControlEnabled(const char* name, bool enabled) {
  EnableWindow(control(name), enabled ? TRUE : FALSE);
}

void TestWindow::FocusControl(const char* name) {
  SetFocus(control(name));
}

std::unique_ptr<WindowDriver> OpenWindow(TextList arguments, int32_t locale_id) {
  return std::make_unique<TestWindow>(std::move(arguments), locale_id);
}

void TestWindow::Type(HWND control, TextView text) {
  for (const char16_t c : text)
    SendMessageW(control, WM_CHAR, static_cast<WPARAM>(c), 1);
}

void TestWindow::Key(HWND control, WORD key, bool ctrl, bool alt) {
  // The shortcuts and dialog keys read the modifiers from the keyboard state.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE held[256];
  std::copy(std::begin(keys), std::end(keys), std::begin(held));
  held[VK_CONTROL] = held[VK_LCONTROL] = ctrl ? 0x80 : 0;
  held[VK_MENU] = held[VK_LMENU] = alt ? 0x80 : 0;
  SetKeyboardState(held);
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM context = alt ? (1 << 29) : 0;
  PostMessageW(control, down, key, 1 | context);
  PostMessageW(control, up, key, static_cast<LPARAM>(1 | context | (1u << 30) | (1u << 31)));
  HandlePendingMessages();
  SetKeyboardState(keys);
}

void TestWindow::AltKey(HWND control, wchar_t letter) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE held[256];
  std::copy(std::begin(keys), std::end(keys), std::begin(held));
  held[VK_MENU] = held[VK_LMENU] = 0x80;
  SetKeyboardState(held);
  PostMessageW(control, WM_SYSCHAR, letter, 1 | (1 << 29));
  HandlePendingMessages();
  SetKeyboardState(keys);
}

void TestWindow::Choose(const char* item) {
  const ui::win32::Win32MenuItem* found = form().MenuItemNamed(item);
  ASSERT_NE(found, nullptr) << item;
  SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(found->command(), 0), 0);
}

void TestWindow::Click(const char* button) {
  SendMessageW(control(button), BM_CLICK, 0, 0);
  HandlePendingMessages();
}

Text T(const std::filesystem::path& path) {
  return TextOfWide(path.wstring());
}

Text T(const std::string& utf8) {
  return Utf8ToTextLossy(utf8);
}

std::string U8(TextView text) {
  return TextToUtf8(text);
}

std::filesystem::path BuiltProgram(const char* relative) {
  wchar_t self[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  return (std::filesystem::path(self).parent_path() / relative).lexically_normal();
}

}  // namespace sigillo::test
