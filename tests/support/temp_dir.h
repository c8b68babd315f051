// A fresh temporary folder per test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sigillo::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A path as the program's file functions take it: UTF-8.
std::string Utf8Path(const std::filesystem::path& path);

// Whole-file helpers for fixtures.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view content);
// Deterministic content of n bytes.
std::string PatternBytes(size_t n, uint32_t seed = 1);

}  // namespace sigillo::test
