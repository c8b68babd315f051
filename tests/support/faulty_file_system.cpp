#include "support/faulty_file_system.h"

namespace sigillo::test {
namespace {

class FaultyFile final : public FileHandle {
 public:
  FaultyFile(std::unique_ptr<FileHandle> real, FaultyFileSystem& fs, std::string path)
      : real_(std::move(real)), fs_(fs), path_(std::move(path)) {}

  bool Read(std::span<uint8_t> buffer, size_t& got) override {
    got = 0;
    return !fs_.Fail("read " + path_) && real_->Read(buffer, got);
  }
  bool Write(std::span<const uint8_t> data) override {
    if (fs_.Fail("write " + path_)) {
      // As on a full disk: part of the data is stored, then the write fails.
      (void)real_->Write(data.first(data.size() / 2));
      return false;
    }
    return real_->Write(data);
  }
  bool Seek(uint64_t position) override {
    return !fs_.Fail("seek " + path_) && real_->Seek(position);
  }
  bool Sync() override { return !fs_.Fail("sync " + path_) && real_->Sync(); }
  bool Size(uint64_t& size) override { return !fs_.Fail("size " + path_) && real_->Size(size); }
  uint32_t Mode() override { return real_->Mode(); }

 private:
  std::unique_ptr<FileHandle> real_;
  FaultyFileSystem& fs_;
  std::string path_;
};

}  // namespace

bool FaultyFileSystem::Fail(const std::string& what) {
  if (++count_ != fail_at_) return false;
  triggered_ = true;
  failed_ = what;
  return true;
}

std::unique_ptr<FileHandle> FaultyFileSystem::Wrap(std::unique_ptr<FileHandle> file,
                                                   const std::string& path) {
  if (!file) return nullptr;
  return std::make_unique<FaultyFile>(std::move(file), *this, path);
}

std::unique_ptr<FileHandle> FaultyFileSystem::OpenRead(const std::string& path) {
  if (Fail("open " + path)) return nullptr;
  return Wrap(real_.OpenRead(path), path);
}

std::unique_ptr<FileHandle> FaultyFileSystem::OpenWrite(const std::string& path) {
  if (Fail("open for writing " + path)) return nullptr;
  return Wrap(real_.OpenWrite(path), path);
}

std::unique_ptr<FileHandle> FaultyFileSystem::Create(const std::string& path, uint32_t mode) {
  if (Fail("create " + path)) return nullptr;
  return Wrap(real_.Create(path, mode), path);
}

bool FaultyFileSystem::RenameNoReplace(const std::string& from, const std::string& to) {
  return !Fail("rename " + from + " " + to) && real_.RenameNoReplace(from, to);
}

bool FaultyFileSystem::Remove(const std::string& path) {
  return !Fail("remove " + path) && real_.Remove(path);
}

bool FaultyFileSystem::SyncFolderOf(const std::string& path) {
  return !Fail("sync folder " + path) && real_.SyncFolderOf(path);
}

}  // namespace sigillo::test
