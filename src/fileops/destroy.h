// Destroying the plain file after encryption, and moving files into place.
#pragma once

#include <cstdint>

#include "cipher/generator.h"
#include "fileops/error.h"
#include "fileops/file_system.h"
#include "fileops/operation_window.h"
#include "toolz/text.h"

namespace sigillo {

// The 256 code units 0, 1, ..., 255 in ascending order.
Text ByteAlphabet();

// pattern with every "?" replaced by the smallest counter from first on whose
// name is free (no file, folder or link of that name).
Text UniqueFileName(FileSystem& fs, TextView pattern, int32_t first);

// The folder of a path with its separator, or empty for a bare name.
Text FolderPart(TextView path);

// The name under which the plain file is destroyed: folder, 16 random letters and
// digits, "-", a counter, ".TMP". Draws from the generator.
Text RandomDestroyName(FileSystem& fs, Generator& gen, TextView path);

// Gives the temporary file the chosen name (which must be free).
[[nodiscard]] bool MoveTempIntoPlace(FileSystem& fs, TextView path);

// The filler: every byte value once, in an order drawn from the generator.
std::array<uint8_t, 256> FillerBlock(Generator& gen);

// Overwrites the whole content of file with the filler block, repeated, flushes it
// to disk, and tells the progress after every write.
[[nodiscard]] bool OverwriteWithFiller(FileHandle& file, const std::array<uint8_t, 256>& filler,
                                       OperationWindow& window);

}  // namespace sigillo
