// Labels, edit boxes, push buttons and picture lists over the system's STATIC,
// EDIT and BUTTON controls and image lists.
#pragma once

#include "ui/win32/win32_windows.h"

#include <commctrl.h>

#include <functional>
#include <vector>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/win32/win32_form.h"
#include "ui/win32/win32_pictures.h"

namespace sigillo::ui::win32 {

// The text of a window, as long as it is.
Text WindowTextOf(HWND window);

// What every control does the same way, for the interface I.
template <typename I>
class Win32Control : public I, public ChildControl {
 public:
  Win32Control(Win32Form& form, const wchar_t* window_class, DWORD style, DWORD ex_style)
      : form_(form) {
    hwnd_ = form.CreateChild(window_class, style, ex_style, id_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.FormFont()), FALSE);
  }

  HWND Window() const override { return hwnd_; }
  int id() const { return id_; }

  void SetBounds(Rect bounds) override {
    SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Rect Bounds() const override {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(HWND_DESKTOP, form_.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  void SetEnabled(bool enabled) override {
    if (!enabled) form_.ControlDisabling(hwnd_);
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  }
  bool Enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void SetTabOrder(int32_t order) override { form_.PlaceInTabOrder(hwnd_, order); }
  void SetFocus() override { form_.FocusControl(hwnd_); }
  // The control that has the focus, or will have it once the form is active.
  bool Focused() const override { return form_.ControlHasFocus(hwnd_); }
  void SetFont(const Font& font) override {
    own_font_ = true;
    ApplyFont(form_.MakeFont(font));
  }
  // Screen readers name an edit box after the label just before it among the
  // form's windows, which is where the form keeps each label.
  void SetAccessibleName(TextView name) override { (void)name; }
  void FormFontChanged(HFONT font) override {
    if (!own_font_) ApplyFont(font);
  }

 protected:
  virtual void FontApplied() {}
  void ApplyFont(HFONT font) {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    FontApplied();
  }
  Win32Form& form_;
  HWND hwnd_ = nullptr;  // destroyed with the form's window
  int id_ = 0;
  bool own_font_ = false;
};

class Win32ImageList : public ImageList {
 public:
  explicit Win32ImageList(std::vector<Picture> pictures);
  ~Win32ImageList() override;
  Win32ImageList(const Win32ImageList&) = delete;
  Win32ImageList& operator=(const Win32ImageList&) = delete;

  int32_t Count() const override { return static_cast<int32_t>(pictures_.size()); }
  // nullptr for an index outside the list.
  const Picture* At(int32_t index) const;
  HIMAGELIST handle() const { return list_; }

 private:
  std::vector<Picture> pictures_;
  HIMAGELIST list_;
};

class Win32Label : public Win32Control<Label> {
 public:
  explicit Win32Label(Win32Form& form);
  void SetBounds(Rect bounds) override;
  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetAutoSize(bool auto_size) override;
  void SetAlignment(TextAlignment alignment) override;
  void SetColor(SystemColor color) override;
  HBRUSH StaticColors(HDC dc) override;

 protected:
  void FontApplied() override;

 private:
  void FitToText();
  bool auto_size_ = false;
  int color_index_ = COLOR_BTNFACE;
};

class Win32EditBox : public Win32Control<EditBox> {
 public:
  explicit Win32EditBox(Win32Form& form);
  void SetText(TextView text) override;
  Text GetText() const override;
  void SetPasswordChar(char16_t ch) override;
  void SetMaxLength(int32_t max_length) override;
  void SetOnChange(std::function<void()> handler) override;
  void Command(WORD code) override;

 private:
  std::function<void()> on_change_;
};

class Win32Button : public Win32Control<Button> {
 public:
  explicit Win32Button(Win32Form& form);
  ~Win32Button() override;
  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetImage(const ImageList& images, int32_t index) override;
  void SetImageMargins(int32_t margin) override;
  void SetDefault(bool is_default) override;
  bool IsDefault() const override { return is_default_; }
  void SetOnClick(std::function<void()> handler) override;
  void Command(WORD code) override;
  bool Press() override;

 private:
  void ApplyImage();
  // The button's own list with its one picture: a list of several would give each
  // state of the button (hot, pressed, disabled) another picture.
  HIMAGELIST image_ = nullptr;
  int32_t margin_ = 0;
  bool is_default_ = false;
  std::function<void()> on_click_;
};

}  // namespace sigillo::ui::win32
