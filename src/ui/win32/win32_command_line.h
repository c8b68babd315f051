// The command line split into arguments the way the program's platform library
// does it, which differs from CommandLineToArgvW: no backslash escapes.
#pragma once

#include "toolz/text.h"

namespace sigillo::ui::win32 {

// Every argument, the program's own name first. Runs of blanks and control
// characters (codes 1 to 32) separate arguments except inside double quotation
// marks; the quotation marks are dropped; an empty pair where an argument would
// begin is skipped.
TextList SplitCommandLine(TextView command_line);

}  // namespace sigillo::ui::win32
