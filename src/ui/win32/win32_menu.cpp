#include "ui/win32/win32_menu.h"

#include <string>

#include "toolz/text.h"
#include "toolz/wide_text.h"
#include "ui/win32/win32_application.h"

namespace sigillo::ui::win32 {

std::optional<ACCEL> AcceleratorOf(TextView shortcut, WORD command) {
  ACCEL accel{};
  accel.fVirt = FVIRTKEY;
  accel.cmd = command;
  TextList parts = SplitText(shortcut, u"+");
  if (parts.empty() || parts.back().empty()) return std::nullopt;
  const Text key = UpperText(parts.back());
  parts.pop_back();
  for (const Text& modifier : parts) {
    const Text upper = UpperText(modifier);
    if (upper == u"CTRL") {
      accel.fVirt |= FCONTROL;
    } else if (upper == u"SHIFT") {
      accel.fVirt |= FSHIFT;
    } else if (upper == u"ALT") {
      accel.fVirt |= FALT;
    } else {
      return std::nullopt;
    }
  }
  if (key.size() == 1 &&
      ((key[0] >= u'A' && key[0] <= u'Z') || (key[0] >= u'0' && key[0] <= u'9'))) {
    accel.key = key[0];
    return accel;
  }
  if (key.size() >= 2 && key.size() <= 3 && key[0] == u'F') {
    int number = 0;
    for (size_t i = 1; i < key.size(); ++i) {
      if (key[i] < u'0' || key[i] > u'9') return std::nullopt;
      number = number * 10 + (key[i] - u'0');
    }
    if (number < 1 || number > 24) return std::nullopt;
    accel.key = static_cast<WORD>(VK_F1 + number - 1);
    return accel;
  }
  return std::nullopt;
}

// ---- Item ----

Win32MenuItem::Win32MenuItem(Win32Form& form, HMENU parent, UINT position, HMENU submenu)
    : form_(form), parent_(parent), position_(position), submenu_(submenu) {}

MenuItem& Win32MenuItem::AddItem(std::string_view name) {
  if (submenu_ == nullptr) {
    submenu_ = CreatePopupMenu();
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = submenu_;
    SetMenuItemInfoW(parent_, position_, TRUE, &info);
  }
  const auto position = static_cast<UINT>(items_.size());
  items_.push_back(std::make_unique<Win32MenuItem>(form_, submenu_, position, nullptr));
  Win32MenuItem& item = *items_.back();
  const UINT command = form_.AddMenuItem(&item, name);
  AppendMenuW(submenu_, MF_STRING, command, L"");
  return item;
}

void Win32MenuItem::SetCaption(TextView caption) {
  caption_ = caption;
  ApplyText();
}

void Win32MenuItem::SetShortcut(TextView shortcut) {
  shortcut_ = shortcut;
  ApplyText();
}

void Win32MenuItem::ApplyText() {
  // The shortcut stands right-aligned after a tab, as the system's menus show it.
  std::wstring text = WideOf(caption_);
  if (!shortcut_.empty()) text += L"\t" + WideOf(shortcut_);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(parent_, position_, TRUE, &info);
  form_.MenuChanged();
}

void Win32MenuItem::SetImage(const ImageList& images, int32_t index) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = form_.MenuBitmap(images, index);
  SetMenuItemInfoW(parent_, position_, TRUE, &info);
  form_.MenuChanged();
}

void Win32MenuItem::SetOnClick(std::function<void()> handler) {
  on_click_ = std::move(handler);
}

void Win32MenuItem::Click() {
  if (on_click_) form_.app().Dispatch(on_click_);
}

// ---- Main menu ----

Win32MainMenu::Win32MainMenu(Win32Form& form) : form_(form), bar_(CreateMenu()) {}

MenuItem& Win32MainMenu::AddItem(std::string_view name) {
  HMENU popup = CreatePopupMenu();
  const auto position = static_cast<UINT>(items_.size());
  items_.push_back(std::make_unique<Win32MenuItem>(form_, bar_, position, popup));
  Win32MenuItem& item = *items_.back();
  form_.AddMenuItem(&item, name);
  AppendMenuW(bar_, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), L"");
  return item;
}

}  // namespace sigillo::ui::win32
