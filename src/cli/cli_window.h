// The operations' window on a terminal: questions on the terminal (or answered by
// --yes), progress on standard error when it is a terminal.
#pragma once

#include "cli/cli.h"
#include "fileops/operation_window.h"

namespace sigillo::cli {

class CliWindow final : public OperationWindow {
 public:
  CliWindow(Console& console, TextView password, bool assume_yes, bool swedish)
      : console_(console), password_(password), assume_yes_(assume_yes), swedish_(swedish) {}

  void SetFile(TextView file) { file_ = Text(file); }
  // True when a question could not be asked for want of a terminal.
  bool LackedTerminal() const { return lacked_terminal_; }

  Text FileNameText() override { return file_; }
  Text PasswordText() override { return Text(password_); }
  Text RepeatPasswordText() override { return Text(password_); }
  bool IsSwedish() override { return swedish_; }
  Text StatusText() override { return status_; }
  void SetStatusText(TextView text) override;
  // The command line reports failures in its own words once the operation ends.
  void ShowError(TextView) override {}
  bool AskConfirm(TextView text) override;
  void BeginBusy() override {}
  void EndBusy(bool success) override;
  void PumpMessages() override {}

 private:
  Console& console_;
  TextView password_;
  bool assume_yes_;
  bool swedish_;
  bool lacked_terminal_ = false;
  Text file_;
  Text status_;
};

}  // namespace sigillo::cli
