#include "ui/win32/win32_form.h"

#include <shellapi.h>

#include <algorithm>

#include "toolz/wide_text.h"
#include "ui/win32/win32_application.h"
#include "ui/win32/win32_controls.h"
#include "ui/win32/win32_menu.h"

namespace sigillo::ui::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"SigilloForm";
// A single border, the system menu and the minimise button: no resizing, no maximising.
constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// The form stands for the program on the taskbar.
constexpr DWORD kFormExStyle = WS_EX_APPWINDOW;

// Broadcast to top-level windows when Explorer starts its taskbar anew.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

int ColorIndex(SystemColor color) {
  switch (color) {
    case SystemColor::kButtonShadow:
      return COLOR_BTNSHADOW;
    case SystemColor::kButtonHighlight:
      return COLOR_BTNHIGHLIGHT;
    case SystemColor::kButtonFace:
      break;
  }
  return COLOR_BTNFACE;
}

class Win32Canvas : public Canvas {
 public:
  explicit Win32Canvas(HDC dc) : dc_(dc) {}

  // The system's line drawing leaves the end point out by itself.
  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, SystemColor color) override {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(ColorIndex(color)));
    const HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

 private:
  HDC dc_;
};

}  // namespace

void RegisterFormClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  if (GetClassInfoExW(instance, kFormClass, &window_class)) return;
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = &DefWindowProcW;  // replaced per window, see Win32Form
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  // The program's icon, in the sizes of the title bar and of Alt+Tab.
  window_class.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                     GetSystemMetrics(SM_CXICON),
                                                     GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
  window_class.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  window_class.lpszClassName = kFormClass;
  RegisterClassExW(&window_class);
}

Win32Form::Win32Form(Win32Application& app, std::string_view name)
    : app_(app), font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {
  (void)name;
  hwnd_ = CreateWindowExW(kFormExStyle, kFormClass, L"", kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, app_.instance(), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Form::WindowProc));
  app_.AddForm(this);
}

Win32Form::~Win32Form() {
  app_.RemoveForm(this);
  destroying_ = true;
  // The windows go first (with the menu attached to the form), so that no message
  // reaches a control object being destroyed.
  DestroyWindow(hwnd_);
  controls_.clear();
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  for (HFONT font : fonts_)
    DeleteObject(font);
  for (HBITMAP bitmap : bitmaps_)
    DeleteObject(bitmap);
}

// ---- Creating the form's objects ----

template <typename T>
T& Win32Form::AddControl(std::string_view name, std::unique_ptr<T> control) {
  T& result = *control;
  control_names_[std::string(name)] = control.get();
  controls_.push_back(std::move(control));
  return result;
}

MainMenu& Win32Form::CreateMainMenu(std::string_view name) {
  (void)name;
  menu_ = std::make_unique<Win32MainMenu>(*this);
  SetMenu(hwnd_, menu_->bar());
  ApplyClientSize();
  return *menu_;
}

Label& Win32Form::CreateLabel(std::string_view name) {
  return AddControl(name, std::make_unique<Win32Label>(*this));
}

EditBox& Win32Form::CreateEditBox(std::string_view name) {
  return AddControl(name, std::make_unique<Win32EditBox>(*this));
}

Button& Win32Form::CreateButton(std::string_view name) {
  return AddControl(name, std::make_unique<Win32Button>(*this));
}

ImageList& Win32Form::CreateImageList(std::string_view name,
                                      std::initializer_list<std::string_view> pictures) {
  std::vector<Picture> loaded;
  for (std::string_view picture : pictures) {
    // A missing picture keeps its place, transparent, so that indexes stay right.
    loaded.push_back(LoadPicture(app_.instance(), picture)
                         .value_or(Picture{16, 16, std::vector<uint32_t>(16 * 16, 0)}));
  }
  image_lists_.push_back(std::make_unique<Win32ImageList>(std::move(loaded)));
  image_list_names_[std::string(name)] = image_lists_.back().get();
  return *image_lists_.back();
}

OpenDialog& Win32Form::CreateOpenDialog(std::string_view name) {
  (void)name;
  dialogs_.push_back(app_.NewOpenDialog(hwnd_));
  return *dialogs_.back();
}

HWND Win32Form::CreateChild(const wchar_t* window_class, DWORD style, DWORD ex_style, int& id) {
  id = next_id_++;
  return CreateWindowExW(ex_style, window_class, L"", style, 0, 0, 0, 0, hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance(),
                         nullptr);
}

HFONT Win32Form::MakeFont(const Font& font) {
  // A negative height asks for the character height, without the internal leading.
  HFONT handle = CreateFontW(-font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, WideOf(font.name).c_str());
  if (handle == nullptr) return font_;
  fonts_.push_back(handle);
  return handle;
}

HBITMAP Win32Form::MenuBitmap(const ImageList& images, int32_t index) {
  const Picture* picture = static_cast<const Win32ImageList&>(images).At(index);
  if (picture == nullptr) return nullptr;
  HBITMAP bitmap = PictureBitmap(*picture, true);
  if (bitmap != nullptr) bitmaps_.push_back(bitmap);
  return bitmap;
}

UINT Win32Form::AddMenuItem(Win32MenuItem* item, std::string_view name) {
  const UINT command = next_command_++;
  item->SetCommand(command);
  menu_items_[command] = item;
  menu_names_[std::string(name)] = item;
  return command;
}

void Win32Form::MenuChanged() {
  accelerators_stale_ = true;
  if (GetMenu(hwnd_) == nullptr) return;
  DrawMenuBar(hwnd_);
  // The bar's height follows its items.
  ApplyClientSize();
}

void Win32Form::RebuildAccelerators() {
  accelerators_stale_ = false;
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  accelerators_ = nullptr;
  std::vector<ACCEL> table;
  for (const auto& [command, item] : menu_items_) {
    if (const auto accel = AcceleratorOf(item->Shortcut(), static_cast<WORD>(command)))
      table.push_back(*accel);
  }
  if (!table.empty())
    accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

// ---- The form's own settings ----

void Win32Form::SetCaption(TextView caption) {
  SetWindowTextW(hwnd_, WideOf(caption).c_str());
}

Text Win32Form::Caption() const {
  return WindowTextOf(hwnd_);
}

void Win32Form::SetClientSize(int32_t width, int32_t height) {
  client_width_ = width;
  client_height_ = height;
  ApplyClientSize();
}

void Win32Form::ApplyClientSize() {
  if (client_width_ <= 0 || client_height_ <= 0) return;
  RECT r{0, 0, client_width_, client_height_};
  AdjustWindowRectEx(&r, kFormStyle, GetMenu(hwnd_) != nullptr, kFormExStyle);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar of more than one line takes more room than the calculation knows.
  RECT client{};
  GetClientRect(hwnd_, &client);
  const LONG missing = client_height_ - (client.bottom - client.top);
  if (missing != 0) {
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + missing,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Form::SetColor(SystemColor color) {
  color_index_ = ColorIndex(color);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Form::SetFont(const Font& font) {
  font_ = MakeFont(font);
  for (const auto& control : controls_)
    control->FormFontChanged(font_);
}

// ---- Showing and closing ----

void Win32Form::Show() {
  if (!shown_once_) {
    shown_once_ = true;
    ApplyClientSize();
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (GetActiveWindow() != hwnd_) SetActiveWindow(hwnd_);
  UpdateWindow(hwnd_);
}

bool Win32Form::Visible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void Win32Form::Close() {
  if (app_.InHandler()) {
    close_pending_ = true;
    return;
  }
  CloseNow();
}

void Win32Form::CloseIfPending() {
  if (!close_pending_) return;
  close_pending_ = false;
  CloseNow();
}

void Win32Form::CloseNow() {
  // Hidden, not destroyed: the form's owner destroys it, and the message loop that
  // shows it ends now.
  ShowWindow(hwnd_, SW_HIDE);
  app_.FormClosed(*this);
}

void Win32Form::SetOnPaint(std::function<void(Canvas&)> handler) {
  on_paint_ = std::move(handler);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Form::SetOnFileDrop(std::function<void(TextView)> handler) {
  on_file_drop_ = std::move(handler);
  DragAcceptFiles(hwnd_, on_file_drop_ ? TRUE : FALSE);
}

int32_t Win32Form::MessageBox(TextView text, TextView caption, uint32_t style) {
  const int answer = MessageBoxW(hwnd_, WideOf(text).c_str(), WideOf(caption).c_str(), style);
  // The box shows its own arrow; a question in the middle of an operation gives the
  // hourglass back afterwards.
  app_.SetCursor(app_.Cursor());
  return answer;
}

// ---- Focus, tab order and keys ----

void Win32Form::PlaceInTabOrder(HWND control, int32_t order) {
  std::erase_if(tab_order_, [control](const auto& entry) { return entry.second == control; });
  tab_order_.emplace_back(order, control);
  std::stable_sort(tab_order_.begin(), tab_order_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // The Tab key follows the order of the windows. A control is moved only when it
  // stands before its predecessor, so that each label stays just before its box.
  for (size_t i = 1; i < tab_order_.size(); ++i) {
    const HWND previous = tab_order_[i - 1].second;
    bool after = false;
    for (HWND w = GetWindow(previous, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == tab_order_[i].second) {
        after = true;
        break;
      }
    }
    if (!after) {
      SetWindowPos(tab_order_[i].second, previous, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

void Win32Form::FocusControl(HWND control) {
  saved_focus_ = control;
  // A hidden form's controls take the focus once the form is shown and active.
  if (IsWindowVisible(hwnd_)) SetFocus(control);
}

bool Win32Form::ControlHasFocus(HWND control) const {
  if (IsWindowVisible(hwnd_) && GetActiveWindow() == hwnd_) return GetFocus() == control;
  return saved_focus_ == control;
}

void Win32Form::ControlDisabling(HWND control) {
  if (GetFocus() == control) SetFocus(hwnd_);
  if (saved_focus_ == control) saved_focus_ = nullptr;
}

void Win32Form::RestoreFocus() {
  HWND target = saved_focus_;
  if (target == nullptr || !IsWindow(target) || !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  if (target != nullptr && IsWindowEnabled(target)) SetFocus(target);
}

void Win32Form::SetDefaultButton(int id, bool is_default) {
  if (is_default) {
    SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
  } else if (default_id_ == id) {
    SendMessageW(hwnd_, DM_SETDEFID, 0, 0);
  }
}

bool Win32Form::PreTranslate(MSG& msg) {
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  if (accelerators_stale_) RebuildAccelerators();
  if (accelerators_ != nullptr && TranslateAcceleratorW(hwnd_, accelerators_, &msg)) return true;
  const bool modified =
      (GetKeyState(VK_CONTROL) & 0x8000) != 0 || (GetKeyState(VK_MENU) & 0x8000) != 0;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && !modified) {
    // Enter presses the focused button, or else the default button.
    ChildControl* focused = ControlOf(GetFocus());
    if (focused != nullptr && focused->Press()) return true;
    const LRESULT default_id = SendMessageW(hwnd_, DM_GETDEFID, 0, 0);
    if (HIWORD(default_id) == DC_HASDEFID) {
      if (ChildControl* button = ControlWithId(LOWORD(default_id))) button->Press();
    }
    return true;
  }
  return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

// ---- For tests ----

HWND Win32Form::ControlWindow(std::string_view name) const {
  const auto found = control_names_.find(name);
  return found != control_names_.end() ? found->second->Window() : nullptr;
}

Win32MenuItem* Win32Form::MenuItemNamed(std::string_view name) const {
  const auto found = menu_names_.find(name);
  return found != menu_names_.end() ? found->second : nullptr;
}

const Win32ImageList* Win32Form::ImageListNamed(std::string_view name) const {
  const auto found = image_list_names_.find(name);
  return found != image_list_names_.end() ? found->second : nullptr;
}

// ---- Messages ----

ChildControl* Win32Form::ControlOf(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& control : controls_) {
    if (control->Window() == window) return control.get();
  }
  return nullptr;
}

ChildControl* Win32Form::ControlWithId(int id) const {
  return ControlOf(GetDlgItem(hwnd_, id));
}

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr || form->destroying_) return DefWindowProcW(hwnd, message, wparam, lparam);
  return form->Handle(message, wparam, lparam);
}

LRESULT Win32Form::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0) {
        if (ChildControl* control = ControlOf(reinterpret_cast<HWND>(lparam)))
          control->Command(HIWORD(wparam));
      } else if (HIWORD(wparam) <= 1) {  // a menu item or its shortcut
        const auto item = menu_items_.find(LOWORD(wparam));
        if (item != menu_items_.end()) item->second->Click();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      if (ChildControl* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        if (HBRUSH brush = control->StaticColors(reinterpret_cast<HDC>(wparam)))
          return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wparam), &r, GetSysColorBrush(color_index_));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd_, &paint);
      if (dc != nullptr && on_paint_) {
        Win32Canvas canvas(dc);
        on_paint_(canvas);
      }
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && app_.Cursor() == ScreenCursor::kHourGlass) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) saved_focus_ = focus;
      } else if (HIWORD(wparam) == 0) {  // not minimised
        RestoreFocus();
        return 0;
      }
      break;
    case WM_NEXTDLGCTL: {
      // Sent by the dialog keys: the next or previous control, or the one named.
      const HWND target = LOWORD(lparam) != 0
                              ? reinterpret_cast<HWND>(wparam)
                              : GetNextDlgTabItem(hwnd_, GetFocus(), wparam != 0 ? TRUE : FALSE);
      if (target != nullptr) {
        SetFocus(target);
        if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
          SendMessageW(target, EM_SETSEL, 0, -1);
      }
      return 0;
    }
    case DM_GETDEFID:
      return default_id_ != 0 ? MAKELRESULT(default_id_, DC_HASDEFID) : 0;
    case DM_SETDEFID:
      default_id_ = static_cast<int>(wparam);
      return TRUE;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wparam);
      std::wstring name;
      if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        name.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        name.resize(DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size())));
      }
      DragFinish(drop);
      if (!name.empty() && on_file_drop_) {
        const Text path = TextOfWide(name);
        app_.Dispatch([this, &path] { on_file_drop_(path); });
      }
      return 0;
    }
    case WM_SETTINGCHANGE:
      app_.SettingsChanged();
      break;
    default:
      if (message == TaskbarCreatedMessage()) app_.SettingsChanged();
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace sigillo::ui::win32
