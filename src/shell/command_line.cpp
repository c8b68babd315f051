#include "shell/command_line.h"

#include "fileops/format.h"
#include "shell/language.h"

namespace sigillo {

std::optional<Text> CommandLineFile(const TextList& arguments, FileSystem& fs) {
  for (const Text& argument : arguments) {
    if (TextsEqual(argument, kSwitchSwedish, false)) continue;
    if (TextsEqual(argument, kSwitchEnglish, false)) continue;
    if (!argument.empty() && fs.Kind(NativePath(argument)) == PathKind::kFile) return argument;
  }
  return std::nullopt;
}

}  // namespace sigillo
