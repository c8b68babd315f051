// A form as a top-level window of fixed size with a menu bar; its controls are
// child windows at their own positions on the client area.
#pragma once

#include "ui/win32/win32_windows.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace sigillo::ui::win32 {

class Win32Application;
class Win32ImageList;
class Win32MainMenu;
class Win32MenuItem;

// The system's colour index (COLOR_...) of a colour.
int SystemColorIndex(SystemColor color);

// Registers the window class of forms (once per process).
void RegisterFormClass(HINSTANCE instance);

// What a form knows of each of its controls.
class ChildControl {
 public:
  virtual ~ChildControl() = default;
  virtual HWND Window() const = 0;
  // A notification code of WM_COMMAND from the control.
  virtual void Command(WORD code) { (void)code; }
  // Colours and brush for WM_CTLCOLORSTATIC; nullptr leaves them to the system.
  virtual HBRUSH StaticColors(HDC dc) {
    (void)dc;
    return nullptr;
  }
  // The form's font changed; controls without a font of their own take it.
  virtual void FormFontChanged(HFONT font) = 0;
  // Presses a push button (when it is enabled); false for every other control.
  virtual bool Press() { return false; }
};

class Win32Form : public Form {
 public:
  Win32Form(Win32Application& app, std::string_view name);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  MainMenu& CreateMainMenu(std::string_view name) override;
  Label& CreateLabel(std::string_view name) override;
  EditBox& CreateEditBox(std::string_view name) override;
  Button& CreateButton(std::string_view name) override;
  ImageList& CreateImageList(std::string_view name,
                             std::initializer_list<std::string_view> pictures) override;
  OpenDialog& CreateOpenDialog(std::string_view name) override;

  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetClientSize(int32_t width, int32_t height) override;
  void SetColor(SystemColor color) override;
  void SetFont(const Font& font) override;

  void Show() override;
  bool Visible() const override;
  void Close() override;

  void SetOnPaint(std::function<void(Canvas&)> handler) override;
  void SetOnFileDrop(std::function<void(TextView path)> handler) override;

  int32_t MessageBox(TextView text, TextView caption, uint32_t style) override;

  // ---- For the controls, the menu and the application ----
  Win32Application& app() { return app_; }
  HWND hwnd() const { return hwnd_; }
  // A child window with the next control identifier, which id receives.
  HWND CreateChild(const wchar_t* window_class, DWORD style, DWORD ex_style, int& id);
  HFONT FormFont() const { return font_; }
  // A font that lives as long as the form.
  HFONT MakeFont(const Font& font);
  // The picture as a bitmap with premultiplied alpha, as menus draw it; lives as
  // long as the form. nullptr when the list has no such picture.
  HBITMAP MenuBitmap(const ImageList& images, int32_t index);
  UINT AddMenuItem(Win32MenuItem* item, std::string_view name);
  void MenuChanged();
  void PlaceInTabOrder(HWND control, int32_t order);
  void FocusControl(HWND control);
  bool ControlHasFocus(HWND control) const;
  // Before a control is disabled: the focus moves to the form, so that the
  // shortcuts keep working.
  void ControlDisabling(HWND control);
  // Enter presses this button when the focus is not on another button.
  void SetDefaultButton(int id, bool is_default);
  // Shortcuts, Enter and the dialog keys (Tab, mnemonics) of the form; true when
  // the message was handled.
  bool PreTranslate(MSG& msg);
  void CloseIfPending();

  // ---- For tests: the objects by the names they were created with ----
  HWND ControlWindow(std::string_view name) const;
  Win32MenuItem* MenuItemNamed(std::string_view name) const;
  const Win32ImageList* ImageListNamed(std::string_view name) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
  template <typename T>
  T& AddControl(std::string_view name, std::unique_ptr<T> control);
  ChildControl* ControlOf(HWND window) const;
  ChildControl* ControlWithId(int id) const;
  void ApplyClientSize();
  void RestoreFocus();
  void CloseNow();
  void RebuildAccelerators();

  Win32Application& app_;
  HWND hwnd_ = nullptr;
  int next_id_ = 100;
  UINT next_command_ = 1000;
  int32_t client_width_ = 0;
  int32_t client_height_ = 0;
  int color_index_ = COLOR_BTNFACE;
  HFONT font_;
  int default_id_ = 0;
  HWND saved_focus_ = nullptr;
  bool shown_once_ = false;
  bool close_pending_ = false;
  bool destroying_ = false;
  HACCEL accelerators_ = nullptr;
  bool accelerators_stale_ = false;
  std::unique_ptr<Win32MainMenu> menu_;
  std::vector<std::unique_ptr<ChildControl>> controls_;
  std::map<std::string, ChildControl*, std::less<>> control_names_;
  std::vector<std::pair<int32_t, HWND>> tab_order_;
  std::map<UINT, Win32MenuItem*> menu_items_;
  std::map<std::string, Win32MenuItem*, std::less<>> menu_names_;
  std::vector<std::unique_ptr<Win32ImageList>> image_lists_;
  std::map<std::string, Win32ImageList*, std::less<>> image_list_names_;
  std::vector<std::unique_ptr<OpenDialog>> dialogs_;
  std::vector<HFONT> fonts_;
  std::vector<HBITMAP> bitmaps_;
  std::function<void(Canvas&)> on_paint_;
  std::function<void(TextView)> on_file_drop_;
};

}  // namespace sigillo::ui::win32
