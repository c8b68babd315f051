// sigillo-cli: the command-line front end, runnable in-process for tests.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "fileops/file_system.h"

namespace sigillo::cli {

enum ExitCode : int {
  kOk = 0,
  kCheckFailed = 1,  // wrong password or damaged file
  kUsage = 2,        // usage error or refused input
  kFailure = 3,      // any other failure (I/O)
};

// What the program needs of its surroundings; tests supply their own.
struct Console {
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
  // Reads one line from the terminal without echo; false when there is no terminal.
  std::function<bool(const std::string& prompt, std::string& line)> read_secret;
  // Asks a yes/no question on the terminal; false when there is no terminal.
  std::function<bool(const std::string& question, bool& yes)> ask;
  // Whether standard error is a terminal (progress is shown only then).
  bool err_is_terminal = false;
  FileSystem* fs = nullptr;
};

int Run(const std::vector<std::string>& args, Console& console);

// The real console of this process.
Console ProcessConsole();

}  // namespace sigillo::cli
