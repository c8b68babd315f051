#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/child_process.h"

extern char** environ;

namespace sigillo::test {

ChildProcess::ChildProcess(const std::vector<std::string>& args) {
  std::vector<std::string> copies = args;
  std::vector<char*> argv;
  for (auto& a : copies)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  started_ = posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0;
  process_ = pid;
}

ChildProcess::~ChildProcess() {
  if (started_ && !waited_) {
    Kill();
    Wait();
  }
}

void ChildProcess::Kill() {
  if (started_ && !waited_) kill(static_cast<pid_t>(process_), SIGKILL);
}

int ChildProcess::Wait() {
  if (!started_ || waited_) return -1;
  int status = 0;
  waited_ = true;
  if (waitpid(static_cast<pid_t>(process_), &status, 0) < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace sigillo::test
