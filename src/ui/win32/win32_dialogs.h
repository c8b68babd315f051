// The open-file dialog over GetOpenFileNameW.
#pragma once

#include "ui/win32/win32_windows.h"

#include <string>

#include "ui/dialogs.h"

namespace sigillo::ui::win32 {

class Win32OpenDialog : public OpenDialog {
 public:
  explicit Win32OpenDialog(HWND owner) : owner_(owner) {}
  void SetTitle(TextView title) override { title_ = title; }
  Text Title() const override { return title_; }
  void SetFilter(TextView filter) override { filter_ = filter; }
  Text Filter() const override { return filter_; }
  bool Execute() override;
  Text FileName() const override { return file_name_; }

 private:
  HWND owner_;
  Text title_;
  Text filter_;
  Text file_name_;
};

// The dialog's filter from pairs joined by "|": every part ends with a NUL and the
// list with one more ("All (*.*)|*.*" gives "All (*.*)\0*.*\0\0"). Empty stays empty.
std::wstring DialogFilter(TextView filter);

}  // namespace sigillo::ui::win32
