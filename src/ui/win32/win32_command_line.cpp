#include "ui/win32/win32_command_line.h"

namespace sigillo::ui::win32 {

namespace {

bool IsSeparator(char16_t c) {
  return c >= 1 && c <= 32;
}

}  // namespace

TextList SplitCommandLine(TextView command_line) {
  // A NUL ends the line, as it ends the system's string.
  const TextView line = command_line.substr(0, command_line.find(u'\0'));
  TextList arguments;
  size_t i = 0;
  for (;;) {
    for (;;) {
      while (i < line.size() && IsSeparator(line[i]))
        ++i;
      if (i + 1 < line.size() && line[i] == u'"' && line[i + 1] == u'"') {
        i += 2;
      } else {
        break;
      }
    }
    if (i >= line.size()) break;
    Text argument;
    while (i < line.size() && !IsSeparator(line[i])) {
      if (line[i] == u'"') {
        ++i;
        while (i < line.size() && line[i] != u'"')
          argument += line[i++];
        if (i < line.size()) ++i;  // the closing mark
      } else {
        argument += line[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace sigillo::ui::win32
