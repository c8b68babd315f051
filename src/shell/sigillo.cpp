#include "shell/sigillo.h"

#include "shell/language.h"
#include "shell/main_form.h"

namespace sigillo {

int RunSigillo(ui::Application& app, OperationContext& operations) {
  SetCommandLine(app.Arguments());
  // Before the window: in the second language its creation replaces this title.
  app.SetTitle(kTitleSwedish);
  TfrmMain frmMain(app, operations);
  return app.Run(frmMain.Form());
}

}  // namespace sigillo
