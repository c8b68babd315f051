#include "fileops/format.h"

#include <algorithm>

namespace sigillo {

std::array<uint8_t, kHeaderSize> EncodeHeader(uint32_t check_value) {
  std::array<uint8_t, kHeaderSize> header{};
  std::copy(FileMagic.begin(), FileMagic.end(), header.begin());
  for (size_t i = 0; i < 4; ++i)
    header[8 + i] = static_cast<uint8_t>(check_value >> (8 * i));
  return header;
}

uint32_t DecodeCheckValue(std::span<const uint8_t> bytes) {
  uint32_t value = 0;
  for (size_t i = 0; i < std::min<size_t>(4, bytes.size()); ++i)
    value |= uint32_t{bytes[i]} << (8 * i);
  return value;
}

bool ReadFully(FileHandle& file, std::span<uint8_t> buffer, size_t& got) {
  got = 0;
  while (got < buffer.size()) {
    size_t n = 0;
    if (!file.Read(buffer.subspan(got), n)) return false;
    if (n == 0) break;
    got += n;
  }
  return true;
}

bool IsEncryptedFile(FileSystem& fs, const std::string& path) {
  if (path.empty() || fs.Kind(path) != PathKind::kFile) return false;
  const auto file = fs.OpenRead(path);
  if (!file) return false;
  std::array<uint8_t, FileMagic.size()> start{};
  size_t got = 0;
  return ReadFully(*file, start, got) && got == start.size() && start == FileMagic;
}

bool IsEncryptedFile(TextView path) {
  return IsEncryptedFile(HostFileSystem(), NativePath(path));
}

Text TempFileName(TextView path) {
  const size_t dot = path.find_last_of(u'.');
  const size_t separator = path.find_last_of(u"\\:/");
  const bool has_extension =
      dot != TextView::npos && (separator == TextView::npos || separator < dot);
  Text result(has_extension ? path.substr(0, dot) : path);
  result += u".TMP";
  return result;
}

std::string NativePath(TextView path) {
  return TextToUtf8(path);
}

}  // namespace sigillo
