// The controls of a form. The form owns them; callers hold references that stay
// valid for the form's lifetime.
#pragma once

#include <functional>

#include "ui/types.h"

namespace sigillo::ui {

class ImageList;

class Control {
 public:
  virtual ~Control() = default;

  virtual void SetBounds(Rect bounds) = 0;
  virtual Rect Bounds() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
  // Position in the keyboard's Tab cycle among the form's focusable controls.
  virtual void SetTabOrder(int32_t order) = 0;
  virtual void SetFocus() = 0;
  virtual bool Focused() const = 0;
  // A control without a font of its own uses the form's.
  virtual void SetFont(const Font& font) = 0;
  // What a screen reader announces for the control.
  virtual void SetAccessibleName(TextView name) = 0;
};

class Label : public Control {
 public:
  virtual void SetCaption(TextView caption) = 0;
  virtual Text Caption() const = 0;
  // A self-sizing label keeps its left and top and takes the size of its text.
  virtual void SetAutoSize(bool auto_size) = 0;
  virtual void SetAlignment(TextAlignment alignment) = 0;
  // Fills the label's own background.
  virtual void SetColor(SystemColor color) = 0;
};

class EditBox : public Control {
 public:
  virtual void SetText(TextView text) = 0;
  virtual Text GetText() const = 0;
  // Shows every character as this one; 0 shows the text itself.
  virtual void SetPasswordChar(char16_t ch) = 0;
  // At most this many code units, typed or pasted; 0 sets no limit.
  virtual void SetMaxLength(int32_t max_length) = 0;
  // After every change of the text, whatever its cause.
  virtual void SetOnChange(std::function<void()> handler) = 0;
};

class Button : public Control {
 public:
  // An "&" marks the next character as the mnemonic.
  virtual void SetCaption(TextView caption) = 0;
  virtual Text Caption() const = 0;
  // The picture left of the caption, index in images (kept by the caller).
  virtual void SetImage(const ImageList& images, int32_t index) = 0;
  // Space between the picture and the button's edges.
  virtual void SetImageMargins(int32_t margin) = 0;
  // The default button is pressed by Enter anywhere in the form but on another button.
  virtual void SetDefault(bool is_default) = 0;
  virtual bool IsDefault() const = 0;
  virtual void SetOnClick(std::function<void()> handler) = 0;
};

}  // namespace sigillo::ui
