#include <cstdlib>
#include <stdexcept>

#include "support/temp_dir.h"

namespace sigillo::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "sigillo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

}  // namespace sigillo::test
