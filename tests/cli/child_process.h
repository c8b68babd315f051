// A program started as a separate process, for tests that kill it at random moments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sigillo::test {

class ChildProcess {
 public:
  // args[0] is the program; every argument is UTF-8.
  explicit ChildProcess(const std::vector<std::string>& args);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool started() const { return started_; }
  // Ends it at once, without giving it a chance to clean up.
  void Kill();
  // Waits for its end; its exit code, or -1 when it was killed (or cannot be waited for).
  int Wait();

 private:
  intptr_t process_ = 0;
  bool started_ = false;
  bool waited_ = false;
  bool killed_ = false;
};

}  // namespace sigillo::test
