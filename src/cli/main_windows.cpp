// sigillo-cli on Windows: the runtime splits the UTF-16 command line the way the
// platform's programs do (wmain), and every argument reaches the CLI as UTF-8.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "toolz/text.h"
#include "toolz/wide_text.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i)
    args.push_back(sigillo::TextToUtf8(sigillo::TextOfWide(argv[i])));
  // A password read from standard input is taken byte for byte; "\r\n" is cut off later.
  _setmode(_fileno(stdin), _O_BINARY);
  sigillo::cli::Console console = sigillo::cli::ProcessConsole();
  return sigillo::cli::Run(args, console);
}
