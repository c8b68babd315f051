// The encrypted file: 8 bytes of magic, the CRC-32 of the plain content
// (little-endian), then the enciphered content, with no other framing.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "fileops/file_system.h"
#include "toolz/text.h"

namespace sigillo {

inline constexpr std::array<uint8_t, 8> FileMagic = {'$', 'Q', 'Z', '2', '0', '4', '8', '$'};
inline constexpr size_t kHeaderSize = 12;

std::array<uint8_t, kHeaderSize> EncodeHeader(uint32_t check_value);

// The check value from the bytes that follow the magic; bytes missing from a short
// file count as 0, filling the value from its least significant byte up.
uint32_t DecodeCheckValue(std::span<const uint8_t> bytes);

// True only when the file opens and begins with the magic; never an error.
bool IsEncryptedFile(FileSystem& fs, const std::string& path);
bool IsEncryptedFile(TextView path);

// The path with its extension replaced by ".TMP" (appended when there is none).
Text TempFileName(TextView path);

// Reads until buffer is full or the file ends; got tells how many bytes came.
[[nodiscard]] bool ReadFully(FileHandle& file, std::span<uint8_t> buffer, size_t& got);

// A text path as the file system takes it.
std::string NativePath(TextView path);

}  // namespace sigillo
