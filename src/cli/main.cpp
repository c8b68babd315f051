#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  sigillo::cli::Console console = sigillo::cli::ProcessConsole();
  return sigillo::cli::Run(args, console);
}
