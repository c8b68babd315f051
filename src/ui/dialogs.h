// Pictures and the open-file dialog, both owned by a form.
#pragma once

#include "ui/types.h"

namespace sigillo::ui {

// Pictures of 16 x 16 pixels with a transparent background, by index.
class ImageList {
 public:
  virtual ~ImageList() = default;
  virtual int32_t Count() const = 0;
};

class OpenDialog {
 public:
  virtual ~OpenDialog() = default;
  virtual void SetTitle(TextView title) = 0;
  virtual Text Title() const = 0;
  // Pairs of name and pattern, all joined by "|": "All files (*.*)|*.*".
  virtual void SetFilter(TextView filter) = 0;
  virtual Text Filter() const = 0;
  // Modal to the form; true when the user chose a file, whose full name FileName
  // then holds. The name need not exist.
  virtual bool Execute() = 0;
  virtual Text FileName() const = 0;
};

}  // namespace sigillo::ui
