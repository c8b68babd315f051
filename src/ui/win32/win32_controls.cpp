#include "ui/win32/win32_controls.h"

#include <string>

#include "toolz/wide_text.h"
#include "ui/win32/win32_application.h"

namespace sigillo::ui::win32 {

Text WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return Text();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return TextOfWide(text);
}

// ---- Image list ----

Win32ImageList::Win32ImageList(std::vector<Picture> pictures)
    : pictures_(std::move(pictures)), list_(PictureImageList(pictures_)) {}

Win32ImageList::~Win32ImageList() {
  if (list_ != nullptr) ImageList_Destroy(list_);
}

const Picture* Win32ImageList::At(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &pictures_[static_cast<size_t>(index)];
}

// ---- Label ----

Win32Label::Win32Label(Win32Form& form)
    : Win32Control(form, L"STATIC", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0) {}

void Win32Label::SetBounds(Rect bounds) {
  Win32Control::SetBounds(bounds);
  if (auto_size_) FitToText();
}

void Win32Label::SetCaption(TextView caption) {
  SetWindowTextW(hwnd_, WideOf(caption).c_str());
  if (auto_size_) FitToText();
}

Text Win32Label::Caption() const {
  return WindowTextOf(hwnd_);
}

void Win32Label::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size_) FitToText();
}

void Win32Label::SetAlignment(TextAlignment alignment) {
  LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
  style |= alignment == TextAlignment::kCenter ? SS_CENTER : SS_LEFT;
  SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Label::SetColor(SystemColor color) {
  color_index_ = SystemColorIndex(color);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Win32Label::StaticColors(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(color_index_));
  return GetSysColorBrush(color_index_);
}

void Win32Label::FontApplied() {
  if (auto_size_) FitToText();
}

void Win32Label::FitToText() {
  // An empty label keeps the height of a line: it is measured as one blank.
  std::wstring text = WideOf(Caption());
  if (text.empty()) text = L" ";
  HDC dc = GetDC(hwnd_);
  if (dc == nullptr) return;
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
  RECT r{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- Edit box ----

Win32EditBox::Win32EditBox(Win32Form& form)
    : Win32Control(form, L"EDIT", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL,
                   WS_EX_CLIENTEDGE) {}

void Win32EditBox::SetText(TextView text) {
  // A one-line box reports the change itself (EN_CHANGE), as for typing.
  SetWindowTextW(hwnd_, WideOf(text).c_str());
}

Text Win32EditBox::GetText() const {
  return WindowTextOf(hwnd_);
}

void Win32EditBox::SetPasswordChar(char16_t ch) {
  // Sets or clears ES_PASSWORD with the character.
  SendMessageW(hwnd_, EM_SETPASSWORDCHAR, static_cast<WPARAM>(ch), 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32EditBox::SetMaxLength(int32_t max_length) {
  // 0 lifts the limit to the most the control can hold.
  SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(max_length > 0 ? max_length : 0), 0);
}

void Win32EditBox::SetOnChange(std::function<void()> handler) {
  on_change_ = std::move(handler);
}

void Win32EditBox::Command(WORD code) {
  if (code == EN_CHANGE && on_change_) form_.app().Dispatch(on_change_);
}

// ---- Button ----

Win32Button::Win32Button(Win32Form& form)
    : Win32Control(form, L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0) {}

Win32Button::~Win32Button() {
  if (image_ != nullptr) ImageList_Destroy(image_);
}

void Win32Button::SetCaption(TextView caption) {
  SetWindowTextW(hwnd_, WideOf(caption).c_str());
}

Text Win32Button::Caption() const {
  return WindowTextOf(hwnd_);
}

void Win32Button::SetImage(const ImageList& images, int32_t index) {
  const Picture* picture = static_cast<const Win32ImageList&>(images).At(index);
  HIMAGELIST previous = image_;
  image_ = picture != nullptr ? PictureImageList({*picture}) : nullptr;
  ApplyImage();
  if (previous != nullptr) ImageList_Destroy(previous);
}

void Win32Button::SetImageMargins(int32_t margin) {
  margin_ = margin;
  ApplyImage();
}

void Win32Button::ApplyImage() {
  BUTTON_IMAGELIST images{};
  images.himl = image_;
  images.margin = {margin_, margin_, margin_, margin_};
  images.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
  SendMessageW(hwnd_, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Button::SetDefault(bool is_default) {
  is_default_ = is_default;
  SendMessageW(hwnd_, BM_SETSTYLE, is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  form_.SetDefaultButton(id_, is_default);
}

void Win32Button::SetOnClick(std::function<void()> handler) {
  on_click_ = std::move(handler);
}

void Win32Button::Command(WORD code) {
  if (code == BN_CLICKED) Press();
}

bool Win32Button::Press() {
  // A disabled button starts nothing, however the click reached it.
  if (IsWindowEnabled(hwnd_) && on_click_) form_.app().Dispatch(on_click_);
  return true;
}

}  // namespace sigillo::ui::win32
