// The application object: the program's title and file, its forms, the message
// loop and the application-wide cursor.
#pragma once

#include <memory>
#include <string_view>

#include "ui/form.h"
#include "ui/types.h"

namespace sigillo::ui {

class Application {
 public:
  virtual ~Application() = default;

  virtual void SetTitle(TextView title) = 0;
  virtual Text Title() const = 0;
  // Full path of the program's own file.
  virtual Text ExeName() const = 0;
  // The arguments after the program's name, as the platform splits them.
  virtual TextList Arguments() const = 0;

  virtual std::unique_ptr<Form> CreateForm(std::string_view name) = 0;
  // Shows the main form unless it is visible, then handles messages until it closes.
  virtual int Run(Form& main_form) = 0;
  // Handles every pending message, then returns.
  virtual void ProcessMessages() = 0;

  virtual void SetCursor(ScreenCursor cursor) = 0;
  virtual ScreenCursor Cursor() const = 0;
};

}  // namespace sigillo::ui
