// sigillo: the desktop program, on Qt 6 Widgets.
#include "shell/sigillo.h"
#include "toolz/facts.h"
#include "ui/qt/qt_application.h"
#include "ui/qt/qt_display_facts.h"

int main(int argc, char** argv) {
  sigillo::ui::qt::QtApplication app(argc, argv);
  sigillo::SetDisplayFactsProvider(sigillo::ui::qt::MakeDisplayFacts());
  const int code = sigillo::RunSigillo(app, sigillo::HostOperationContext());
  sigillo::SetDisplayFactsProvider(nullptr);
  return code;
}
