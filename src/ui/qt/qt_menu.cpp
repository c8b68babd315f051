#include "ui/qt/qt_menu.h"

#include <QKeySequence>

#include "ui/qt/qt_application.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_text.h"

namespace sigillo::ui::qt {

namespace {

QString NameOf(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QtMenuItem::QtMenuItem(QtApplication& app, QWidget* owner, QAction* action, QMenu* submenu)
    : app_(app), owner_(owner), action_(action), submenu_(submenu) {
  QObject::connect(action_, &QAction::triggered, action_, [this] {
    if (on_click_) app_.Dispatch(on_click_);
  });
}

MenuItem& QtMenuItem::AddItem(std::string_view name) {
  if (submenu_ == nullptr) {
    submenu_ = new QMenu(owner_);
    action_->setMenu(submenu_);
  }
  QAction* action = submenu_->addAction(QString());
  action->setObjectName(NameOf(name));
  items_.push_back(std::make_unique<QtMenuItem>(app_, submenu_, action, nullptr));
  return *items_.back();
}

void QtMenuItem::SetCaption(TextView caption) {
  action_->setText(ToQString(caption));
  if (submenu_ != nullptr) submenu_->setTitle(ToQString(caption));
}

Text QtMenuItem::Caption() const {
  return FromQString(action_->text());
}

void QtMenuItem::SetShortcut(TextView shortcut) {
  action_->setShortcut(QKeySequence::fromString(ToQString(shortcut), QKeySequence::PortableText));
}

Text QtMenuItem::Shortcut() const {
  return FromQString(action_->shortcut().toString(QKeySequence::PortableText));
}

void QtMenuItem::SetImage(const ImageList& images, int32_t index) {
  action_->setIcon(static_cast<const QtImageList&>(images).Icon(index));
}

void QtMenuItem::SetOnClick(std::function<void()> handler) {
  on_click_ = std::move(handler);
}

MenuItem& QtMainMenu::AddItem(std::string_view name) {
  auto* submenu = new QMenu(bar_);
  submenu->setObjectName(NameOf(name));
  bar_->addMenu(submenu);
  QAction* action = submenu->menuAction();
  action->setObjectName(NameOf(name));
  items_.push_back(std::make_unique<QtMenuItem>(app_, bar_, action, submenu));
  return *items_.back();
}

}  // namespace sigillo::ui::qt
