#include "cli/cli_window.h"

#include <ostream>

namespace sigillo::cli {

void CliWindow::SetStatusText(TextView text) {
  status_ = Text(text);
  if (console_.err_is_terminal) *console_.err << "\r" << TextToUtf8(text) << "\033[K" << std::flush;
}

bool CliWindow::AskConfirm(TextView text) {
  if (assume_yes_) return true;
  const Text question = text.empty() ? Text(swedish_ ? u"Fortsätta?" : u"Continue?") : Text(text);
  bool yes = false;
  if (!console_.ask || !console_.ask(TextToUtf8(file_) + ": " + TextToUtf8(question), yes)) {
    lacked_terminal_ = true;
    return false;
  }
  return yes;
}

void CliWindow::EndBusy(bool) {
  status_.clear();
  if (console_.err_is_terminal) *console_.err << "\r\033[K" << std::flush;
}

}  // namespace sigillo::cli
