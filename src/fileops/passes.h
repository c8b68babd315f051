// The two passes over file content: the check value, and the cipher.
#pragma once

#include <cstdint>
#include <functional>

#include "cipher/crc32.h"
#include "fileops/file_cipher.h"
#include "fileops/file_system.h"

namespace sigillo {

// Told the position and size of the file that a pass reads, as it goes.
using ProgressFn = std::function<void(uint64_t position, uint64_t size)>;

inline constexpr size_t kChunkSize = size_t{1} << 20;  // one read or write of the disk
inline constexpr size_t kCrcStep = 32768;              // progress step of the check pass
inline constexpr size_t kProgressStep = 64 * 256;      // progress step of the cipher pass

// CRC-32 of the rest of the file from its current position to its end.
[[nodiscard]] bool CrcPass(FileHandle& in, uint64_t start, uint64_t size,
                           const ProgressFn& progress, uint32_t& crc);

// Enciphers or deciphers everything from the current position of in to its end and
// appends it to out, cutting the content into 256-byte blocks, with one final empty
// block. plain_crc, when given, receives the CRC-32 of the input bytes.
[[nodiscard]] bool CipherPass(Generator& gen, FileCipher& cipher, FileHandle& in, uint64_t start,
                              uint64_t size, FileHandle& out, const ProgressFn& progress,
                              Crc32* input_crc);

}  // namespace sigillo
