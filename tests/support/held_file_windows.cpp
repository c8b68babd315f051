// Held the way any Windows program may hold it: open without sharing.
#include <windows.h>

#include "support/held_file.h"

namespace sigillo::test {

HeldFile::HeldFile(const std::filesystem::path& path) {
  const HANDLE handle =
      CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  handle_ = reinterpret_cast<intptr_t>(handle);
  held_ = true;
}

HeldFile::~HeldFile() {
  if (held_) CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

}  // namespace sigillo::test
