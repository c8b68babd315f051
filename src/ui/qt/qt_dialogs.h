// The open-file dialog and the message box over Qt's dialogs.
#pragma once

#include <QTranslator>
#include <QWidget>
#include <memory>

#include "ui/dialogs.h"

namespace sigillo::ui::qt {

class QtOpenDialog : public OpenDialog {
 public:
  explicit QtOpenDialog(QWidget* parent) : parent_(parent) {}
  void SetTitle(TextView title) override { title_ = title; }
  Text Title() const override { return title_; }
  void SetFilter(TextView filter) override { filter_ = filter; }
  Text Filter() const override { return filter_; }
  bool Execute() override;
  Text FileName() const override { return file_name_; }

 private:
  QWidget* parent_;
  Text title_;
  Text filter_;
  Text file_name_;
};

// Qt's name filters ("All files (*)") for a filter of name and pattern pairs joined
// by "|". A Windows pattern "*.*" means every file and becomes "*".
QStringList NameFilters(TextView filter);

// The message box with the icon and buttons of style, modal to owner; the answer
// code of the button pressed (the escape button when the box is closed otherwise).
int32_t ShowMessageBox(QWidget* owner, TextView text, TextView caption, uint32_t style);

// The words of the message box buttons in the system's language. Qt ships none for
// Swedish, so those come from here; other languages from Qt's own translations.
std::unique_ptr<QTranslator> ButtonWordsTranslator();

}  // namespace sigillo::ui::qt
