#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "fileops/file_system.h"

namespace sigillo {
namespace {

constexpr size_t kWritebackThreshold = size_t{256} << 10;

class PosixFile final : public FileHandle {
 public:
  explicit PosixFile(int fd) : fd_(fd) {}
  ~PosixFile() override { close(fd_); }
  PosixFile(const PosixFile&) = delete;
  PosixFile& operator=(const PosixFile&) = delete;

  bool Read(std::span<uint8_t> buffer, size_t& got) override {
    got = 0;
    for (;;) {
      const ssize_t n = read(fd_, buffer.data(), buffer.size());
      if (n >= 0) {
        got = static_cast<size_t>(n);
        return true;
      }
      if (errno != EINTR) return false;
    }
  }

  bool Write(std::span<const uint8_t> data) override {
    const off_t start = lseek(fd_, 0, SEEK_CUR);
    const size_t length = data.size();
    while (!data.empty()) {
      const ssize_t n = write(fd_, data.data(), data.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data = data.subspan(static_cast<size_t>(n));
    }
    // Start writing large pieces to the disk at once, so that the flush at the end
    // of an operation finds little left to do. Only a hint: failures are ignored.
    if (length >= kWritebackThreshold && start >= 0)
      (void)sync_file_range(fd_, start, static_cast<off_t>(length), SYNC_FILE_RANGE_WRITE);
    return true;
  }

  bool Seek(uint64_t position) override {
    return lseek(fd_, static_cast<off_t>(position), SEEK_SET) >= 0;
  }

  bool Sync() override { return fsync(fd_) == 0; }

  bool Size(uint64_t& size) override {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return false;
    size = static_cast<uint64_t>(st.st_size);
    return true;
  }

  uint32_t Mode() override {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return 0600;
    return static_cast<uint32_t>(st.st_mode & 07777);
  }

 private:
  int fd_;
};

// Opens with O_NOFOLLOW and a non-blocking exclusive lock: a link is refused and a
// file that another copy of the program works on cannot be opened.
std::unique_ptr<FileHandle> OpenLocked(const std::string& path, int flags, mode_t mode) {
  // O_NONBLOCK keeps a FIFO from blocking the open; it changes nothing for a regular file.
  const int fd = open(path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, mode);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return nullptr;
  }
  return std::make_unique<PosixFile>(fd);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

class PosixFileSystem final : public FileSystem {
 public:
  PathKind Kind(const std::string& path) override {
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0) return PathKind::kMissing;
    if (S_ISREG(st.st_mode)) return PathKind::kFile;
    if (S_ISDIR(st.st_mode)) return PathKind::kFolder;
    if (S_ISLNK(st.st_mode)) return PathKind::kLink;
    return PathKind::kOther;
  }

  std::unique_ptr<FileHandle> OpenRead(const std::string& path) override {
    return OpenLocked(path, O_RDONLY, 0);
  }

  std::unique_ptr<FileHandle> OpenWrite(const std::string& path) override {
    return OpenLocked(path, O_WRONLY, 0);
  }

  std::unique_ptr<FileHandle> Create(const std::string& path, uint32_t mode) override {
    return OpenLocked(path, O_RDWR | O_CREAT | O_EXCL, static_cast<mode_t>(mode));
  }

  bool RenameNoReplace(const std::string& from, const std::string& to) override {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: a hard link fails atomically on an existing name.
    if (link(from.c_str(), to.c_str()) != 0) return false;
    return unlink(from.c_str()) == 0;
  }

  bool Remove(const std::string& path) override { return unlink(path.c_str()) == 0; }

  bool SyncFolderOf(const std::string& path) override {
    const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = fsync(fd) == 0;
    close(fd);
    return ok;
  }
};

}  // namespace

size_t FolderPartLength(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

FileSystem& HostFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

}  // namespace sigillo
