// A folder of a random name that CreateDirectoryW made: it fails on a name that
// exists, so no two tests ever share a folder.
#include <windows.h>

#include <random>
#include <stdexcept>
#include <string>

#include "support/temp_dir.h"

namespace sigillo::test {

TempDir::TempDir() {
  std::random_device seed;
  std::mt19937 random(seed() ^ GetCurrentProcessId());
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate =
        base / (L"sigillo-test-" + std::to_wstring(random() % 1000000000u));
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot create a temporary folder");
}

}  // namespace sigillo::test
