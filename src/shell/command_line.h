// The file named on the command line.
#pragma once

#include <optional>

#include "fileops/file_system.h"
#include "toolz/text.h"

namespace sigillo {

// The first argument, other than a language switch, that names an existing file
// (not a folder, not a symbolic link), unchanged.
std::optional<Text> CommandLineFile(const TextList& arguments, FileSystem& fs);

}  // namespace sigillo
