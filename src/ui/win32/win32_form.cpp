#include "ui/win32/win32_form.h"

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

}  // namespace

int SystemColorIndex(SystemColor color) {
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
  color_index_ = SystemColorIndex(color);
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

}  // namespace sigillo::ui::win32
