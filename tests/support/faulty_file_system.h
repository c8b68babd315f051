// A file system that fails its n-th operation (opening, reading, writing, flushing,
// renaming, deleting), to show what every failure point leaves behind.
#pragma once

#include <string>
#include <vector>

#include "fileops/file_system.h"

namespace sigillo::test {

class FaultyFileSystem : public FileSystem {
 public:
  // fail_at 0 never fails; 1 fails the first counted operation, and so on.
  explicit FaultyFileSystem(int fail_at) : fail_at_(fail_at) {}

  bool Triggered() const { return triggered_; }
  int Count() const { return count_; }
  // The operation that failed, for test messages.
  const std::string& FailedOperation() const { return failed_; }

  // True when the next counted operation must fail.
  bool Fail(const std::string& what);

  PathKind Kind(const std::string& path) override { return real_.Kind(path); }
  std::unique_ptr<FileHandle> OpenRead(const std::string& path) override;
  std::unique_ptr<FileHandle> OpenWrite(const std::string& path) override;
  std::unique_ptr<FileHandle> Create(const std::string& path, uint32_t mode) override;
  bool RenameNoReplace(const std::string& from, const std::string& to) override;
  bool Remove(const std::string& path) override;
  bool SyncFolderOf(const std::string& path) override;

 private:
  std::unique_ptr<FileHandle> Wrap(std::unique_ptr<FileHandle> file, const std::string& path);

  FileSystem& real_ = HostFileSystem();
  int fail_at_;
  int count_ = 0;
  bool triggered_ = false;
  std::string failed_;
};

}  // namespace sigillo::test
