// The main menu of a form: a bar of items, each with a submenu of items.
#pragma once

#include <functional>
#include <string_view>

#include "ui/types.h"

namespace sigillo::ui {

class ImageList;

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  // A new item in this item's submenu.
  virtual MenuItem& AddItem(std::string_view name) = 0;
  // An "&" marks the next character as the mnemonic.
  virtual void SetCaption(TextView caption) = 0;
  virtual Text Caption() const = 0;
  // "Ctrl+Q", "F1": modifiers joined by "+" before the key's name.
  virtual void SetShortcut(TextView shortcut) = 0;
  virtual Text Shortcut() const = 0;
  virtual void SetImage(const ImageList& images, int32_t index) = 0;
  virtual void SetOnClick(std::function<void()> handler) = 0;
};

class MainMenu {
 public:
  virtual ~MainMenu() = default;
  // A new item on the menu bar.
  virtual MenuItem& AddItem(std::string_view name) = 0;
};

}  // namespace sigillo::ui
