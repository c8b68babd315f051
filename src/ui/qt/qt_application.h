// The application object over Qt Widgets.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/handler_dispatch.h"

class QApplication;
class QWidget;
class QTranslator;

namespace sigillo::ui::qt {

class QtForm;

class QtApplication : public Application {
 public:
  // argc must outlive the object (Qt keeps a reference to it). Uses the running
  // QApplication when there is one.
  QtApplication(int& argc, char** argv);
  ~QtApplication() override;
  QtApplication(const QtApplication&) = delete;
  QtApplication& operator=(const QtApplication&) = delete;

  void SetTitle(TextView title) override;
  Text Title() const override;
  Text ExeName() const override;
  TextList Arguments() const override;

  std::unique_ptr<Form> CreateForm(std::string_view name) override;
  int Run(Form& main_form) override;
  void ProcessMessages() override;

  void SetCursor(ScreenCursor cursor) override;
  ScreenCursor Cursor() const override;

  // The open-file dialog that a form creates; tests put their own in its place.
  virtual std::unique_ptr<OpenDialog> NewOpenDialog(QWidget* parent);

  // Runs a handler of the program's. Closes asked for while handlers run wait until
  // the outermost one has returned; nothing the handler throws reaches Qt's loop.
  void Dispatch(const std::function<void()>& handler);
  bool InHandler() const { return dispatch_.InHandler(); }

  void AddForm(QtForm* form);
  void RemoveForm(QtForm* form);

 private:
  std::unique_ptr<QApplication> own_app_;
  std::unique_ptr<QTranslator> button_words_;
  TextList arguments_;
  Text title_;
  ScreenCursor cursor_ = ScreenCursor::kDefault;
  HandlerDispatch<QtForm> dispatch_;
};

}  // namespace sigillo::ui::qt
