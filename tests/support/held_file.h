// A file that another program holds open for as long as this object lives: for the
// file operations it is locked, so they must fail to open it.
#pragma once

#include <cstdint>
#include <filesystem>

namespace sigillo::test {

class HeldFile {
 public:
  explicit HeldFile(const std::filesystem::path& path);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  // Whether the file could be opened and locked.
  bool held() const { return held_; }

 private:
  intptr_t handle_ = -1;
  bool held_ = false;
};

}  // namespace sigillo::test
