#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <string>

#include "cipher/wipe.h"
#include "cli/cli.h"

namespace sigillo::cli {
namespace {

// The controlling terminal, even when standard input and output are redirected.
class Tty {
 public:
  Tty() : fd_(open("/dev/tty", O_RDWR | O_CLOEXEC)) {}
  ~Tty() {
    if (fd_ >= 0) close(fd_);
  }
  Tty(const Tty&) = delete;
  Tty& operator=(const Tty&) = delete;

  bool ok() const { return fd_ >= 0; }

  void Write(const std::string& s) const {
    if (write(fd_, s.data(), s.size()) < 0) return;
  }

  bool ReadLine(std::string& line) const {
    line.clear();
    char c = 0;
    for (;;) {
      const ssize_t n = read(fd_, &c, 1);
      if (n <= 0) return n == 0 && !line.empty();
      if (c == '\n') return true;
      line += c;
    }
  }

  bool ReadHidden(std::string& line) const {
    termios saved{};
    if (tcgetattr(fd_, &saved) != 0) return false;
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    if (tcsetattr(fd_, TCSAFLUSH, &quiet) != 0) return false;
    const bool ok = ReadLine(line);
    tcsetattr(fd_, TCSAFLUSH, &saved);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return ok;
  }

 private:
  int fd_;
};

}  // namespace

Console ProcessConsole() {
  Console console;
  console.in = &std::cin;
  console.out = &std::cout;
  console.err = &std::cerr;
  console.err_is_terminal = isatty(STDERR_FILENO) == 1;
  console.read_secret = [](const std::string& prompt, std::string& line) {
    Tty tty;
    if (!tty.ok()) return false;
    tty.Write(prompt);
    return tty.ReadHidden(line);
  };
  console.ask = [](const std::string& question, bool& yes) {
    Tty tty;
    if (!tty.ok()) return false;
    tty.Write(question + " [y/N] ");
    std::string answer;
    if (!tty.ReadLine(answer)) return false;
    yes = answer == "y" || answer == "Y" || answer == "yes" || answer == "j" || answer == "ja";
    return true;
  };
  return console;
}

}  // namespace sigillo::cli
