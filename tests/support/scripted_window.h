// A window for the operations that answers from a script and records, in order,
// every message, question, status text and change of the busy state.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "fileops/operation_window.h"

namespace sigillo::test {

class ScriptedWindow : public OperationWindow {
 public:
  Text file;
  Text password;
  Text repeat;
  bool swedish = true;
  std::deque<bool> answers;           // for AskConfirm, in order; missing answers are no
  std::vector<std::string> events;    // "error: ...", "ask: ...", "busy", "idle", "done"
  std::vector<std::string> statuses;  // every text written to the status line
  int pumps = 0;
  bool busy = false;

  Text FileNameText() override { return file; }
  Text PasswordText() override { return password; }
  Text RepeatPasswordText() override { return repeat; }
  bool IsSwedish() override { return swedish; }
  Text StatusText() override { return status_; }
  void SetStatusText(TextView text) override;
  void ShowError(TextView text) override;
  bool AskConfirm(TextView text) override;
  void BeginBusy() override;
  void EndBusy(bool success) override;
  void PumpMessages() override { ++pumps; }

  // The events that are messages to the user (errors, questions, done).
  std::vector<std::string> Messages() const;
  bool SawDone() const;

 private:
  Text status_;
};

}  // namespace sigillo::test
