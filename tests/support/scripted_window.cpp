#include "support/scripted_window.h"

#include <algorithm>

namespace sigillo::test {

void ScriptedWindow::SetStatusText(TextView text) {
  status_ = Text(text);
  statuses.push_back(TextToUtf8(text));
}

void ScriptedWindow::ShowError(TextView text) {
  events.push_back("error: " + TextToUtf8(text));
}

bool ScriptedWindow::AskConfirm(TextView text) {
  events.push_back("ask: " + TextToUtf8(text));
  if (answers.empty()) return false;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

void ScriptedWindow::BeginBusy() {
  busy = true;
  events.push_back("busy");
}

void ScriptedWindow::EndBusy(bool success) {
  status_.clear();
  if (success) events.push_back("done");
  busy = false;
  file.clear();
  password.clear();
  repeat.clear();
  events.push_back("idle");
}

std::vector<std::string> ScriptedWindow::Messages() const {
  std::vector<std::string> out;
  std::copy_if(events.begin(), events.end(), std::back_inserter(out),
               [](const std::string& e) { return e != "busy" && e != "idle"; });
  return out;
}

bool ScriptedWindow::SawDone() const {
  return std::find(events.begin(), events.end(), "done") != events.end();
}

}  // namespace sigillo::test
