// Encrypting or decrypting into a new file, leaving the input as it is.
#pragma once

#include <string>

#include "cipher/generator.h"
#include "fileops/error.h"
#include "fileops/file_system.h"
#include "fileops/passes.h"
#include "toolz/text.h"

namespace sigillo {

struct ExportJob {
  std::string input;
  std::string output;  // must not exist; written under a temporary name, then renamed
  ProgressFn progress;
};

// Writes the encrypted form of input (magic, check value, data) to output.
Error EncryptToFile(FileSystem& fs, Generator& gen, TextView password, const ExportJob& job);
// Writes the plain content to output only when its check value matches.
Error DecryptToFile(FileSystem& fs, Generator& gen, TextView password, const ExportJob& job);

}  // namespace sigillo
