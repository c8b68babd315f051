// The main menu over the system's menus: a menu bar of popup menus whose items
// carry their shortcut after a tab and a picture with alpha.
#pragma once

#include "ui/win32/win32_windows.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/menu.h"
#include "ui/win32/win32_form.h"

namespace sigillo::ui::win32 {

// The key of a shortcut such as "Ctrl+Q" or "F1" ("Ctrl", "Shift" and "Alt"
// before a letter, a digit or F1 to F24), for the command; nothing for any other text.
std::optional<ACCEL> AcceleratorOf(TextView shortcut, WORD command);

class Win32MenuItem : public MenuItem {
 public:
  // The item at position of parent; it sends command unless it opens a submenu.
  Win32MenuItem(Win32Form& form, HMENU parent, UINT position, HMENU submenu);

  MenuItem& AddItem(std::string_view name) override;
  void SetCaption(TextView caption) override;
  Text Caption() const override { return caption_; }
  void SetShortcut(TextView shortcut) override;
  Text Shortcut() const override { return shortcut_; }
  void SetImage(const ImageList& images, int32_t index) override;
  void SetOnClick(std::function<void()> handler) override;

  // The form received the item's command.
  void Click();
  void SetCommand(UINT command) { command_ = command; }
  UINT command() const { return command_; }
  HMENU parent() const { return parent_; }
  UINT position() const { return position_; }
  HMENU submenu() const { return submenu_; }

 private:
  void ApplyText();

  Win32Form& form_;
  HMENU parent_;
  UINT position_;
  HMENU submenu_;
  UINT command_ = 0;
  Text caption_;
  Text shortcut_;
  std::function<void()> on_click_;
  std::vector<std::unique_ptr<Win32MenuItem>> items_;
};

class Win32MainMenu : public MainMenu {
 public:
  explicit Win32MainMenu(Win32Form& form);
  MenuItem& AddItem(std::string_view name) override;
  HMENU bar() const { return bar_; }

 private:
  Win32Form& form_;
  HMENU bar_;  // destroyed with the form's window, which it is attached to
  std::vector<std::unique_ptr<Win32MenuItem>> items_;
};

}  // namespace sigillo::ui::win32
