// The main menu over QMenuBar, QMenu and QAction.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <memory>
#include <vector>

#include "ui/menu.h"

namespace sigillo::ui::qt {

class QtApplication;

class QtMenuItem : public MenuItem {
 public:
  // An item of the bar owns a submenu from the start; others get one when they get items.
  QtMenuItem(QtApplication& app, QWidget* owner, QAction* action, QMenu* submenu);

  MenuItem& AddItem(std::string_view name) override;
  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetShortcut(TextView shortcut) override;
  Text Shortcut() const override;
  void SetImage(const ImageList& images, int32_t index) override;
  void SetOnClick(std::function<void()> handler) override;

 private:
  QtApplication& app_;
  QWidget* owner_;   // parent of a submenu made later
  QAction* action_;  // owned by the menu it lies in
  QMenu* submenu_;
  std::function<void()> on_click_;
  std::vector<std::unique_ptr<QtMenuItem>> items_;
};

class QtMainMenu : public MainMenu {
 public:
  QtMainMenu(QtApplication& app, QMenuBar* bar) : app_(app), bar_(bar) {}
  MenuItem& AddItem(std::string_view name) override;

 private:
  QtApplication& app_;
  QMenuBar* bar_;  // owned by the form's window
  std::vector<std::unique_ptr<QtMenuItem>> items_;
};

}  // namespace sigillo::ui::qt
