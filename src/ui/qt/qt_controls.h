// Labels, edit boxes, buttons and picture lists over Qt widgets.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <functional>
#include <vector>

#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_form.h"
#include "ui/qt/qt_text.h"

namespace sigillo::ui::qt {

// What every control does the same way, for the interface I over the widget W.
template <typename I, typename W>
class QtControl : public I {
 public:
  QtControl(QtForm& form, W* widget) : form_(form), widget_(widget) {}

  void SetBounds(Rect bounds) override {
    widget_->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
  }
  Rect Bounds() const override {
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
  }
  void SetEnabled(bool enabled) override { widget_->setEnabled(enabled); }
  bool Enabled() const override { return widget_->isEnabled(); }
  void SetTabOrder(int32_t order) override { form_.PlaceInTabOrder(widget_, order); }
  void SetFocus() override { widget_->setFocus(Qt::OtherFocusReason); }
  // The control that has the focus, or will have it once the window is active.
  bool Focused() const override { return widget_->window()->focusWidget() == widget_; }
  void SetFont(const Font& font) override { widget_->setFont(QtFont(font)); }
  void SetAccessibleName(TextView name) override { widget_->setAccessibleName(ToQString(name)); }

  W* widget() const { return widget_; }

 protected:
  QtForm& form_;
  W* widget_;  // owned by the form's window
};

class QtImageList : public ImageList {
 public:
  explicit QtImageList(std::vector<QIcon> icons) : icons_(std::move(icons)) {}
  int32_t Count() const override { return static_cast<int32_t>(icons_.size()); }
  QIcon Icon(int32_t index) const;

 private:
  std::vector<QIcon> icons_;
};

// A picture of the program's resources at its own size, drawn for scale.
QPixmap RenderPicture(std::string_view name, int scale);
// The picture at its own size and twice that, for dense screens.
QIcon PictureIcon(std::string_view name);

class QtLabel : public QtControl<Label, QLabel> {
 public:
  QtLabel(QtForm& form, QLabel* label);
  void SetBounds(Rect bounds) override;
  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetAutoSize(bool auto_size) override;
  void SetAlignment(TextAlignment alignment) override;
  void SetColor(SystemColor color) override;

 private:
  bool auto_size_ = false;
};

class QtEditBox : public QtControl<EditBox, QLineEdit> {
 public:
  QtEditBox(QtForm& form, QLineEdit* edit);
  void SetText(TextView text) override;
  Text GetText() const override;
  void SetPasswordChar(char16_t ch) override;
  void SetMaxLength(int32_t max_length) override;
  void SetOnChange(std::function<void()> handler) override;

 private:
  std::function<void()> on_change_;
};

// A push button that puts its picture at a fixed margin from its left edge and
// centres the caption in the rest, as the window's buttons are drawn elsewhere.
class ImageButton : public QPushButton {
 public:
  explicit ImageButton(QWidget* parent) : QPushButton(parent) {}
  void SetImageMargin(int margin) {
    margin_ = margin;
    update();
  }
  int ImageMargin() const { return margin_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int margin_ = 0;
};

class QtButton : public QtControl<Button, ImageButton> {
 public:
  QtButton(QtForm& form, ImageButton* button);
  void SetCaption(TextView caption) override;
  Text Caption() const override;
  void SetImage(const ImageList& images, int32_t index) override;
  void SetImageMargins(int32_t margin) override;
  void SetDefault(bool is_default) override;
  bool IsDefault() const override;
  void SetOnClick(std::function<void()> handler) override;

 private:
  std::function<void()> on_click_;
};

}  // namespace sigillo::ui::qt
