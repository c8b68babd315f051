// The file system as the operations see it. Every call reports failure instead of
// throwing; tests put a failing implementation in its place.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace sigillo {

class FileHandle {
 public:
  virtual ~FileHandle() = default;
  // Reads up to buffer.size() bytes into buffer; got is 0 only at the end of the file.
  [[nodiscard]] virtual bool Read(std::span<uint8_t> buffer, size_t& got) = 0;
  // Writes every byte; a short write (a full disk) is a failure.
  [[nodiscard]] virtual bool Write(std::span<const uint8_t> data) = 0;
  [[nodiscard]] virtual bool Seek(uint64_t position) = 0;
  // Flushes the content to the disk.
  [[nodiscard]] virtual bool Sync() = 0;
  [[nodiscard]] virtual bool Size(uint64_t& size) = 0;
  // Permission bits, to give a file that replaces this one the same access.
  virtual uint32_t Mode() = 0;
};

enum class PathKind { kMissing, kFile, kFolder, kLink, kOther };

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // What the name itself is; a symbolic link is reported as a link, not followed.
  virtual PathKind Kind(const std::string& path) = 0;

  // Every open takes an exclusive lock, so that no two operations work on one file
  // at once, and refuses symbolic links. A file locked elsewhere fails to open.
  virtual std::unique_ptr<FileHandle> OpenRead(const std::string& path) = 0;
  // An existing file, for overwriting in place: content and size are kept.
  virtual std::unique_ptr<FileHandle> OpenWrite(const std::string& path) = 0;
  // A new file that must not exist yet, with the given permission bits.
  virtual std::unique_ptr<FileHandle> Create(const std::string& path, uint32_t mode) = 0;

  // Renames within one folder; fails when the target exists.
  [[nodiscard]] virtual bool RenameNoReplace(const std::string& from, const std::string& to) = 0;
  [[nodiscard]] virtual bool Remove(const std::string& path) = 0;
  // Makes renames, creations and deletions in the folder of path durable.
  [[nodiscard]] virtual bool SyncFolderOf(const std::string& path) = 0;
};

// The real file system of this machine.
FileSystem& HostFileSystem();

// The length of path's folder part, up to and including its last folder separator
// ("/"; on Windows also "\\" and a drive's ":"); 0 when there is none.
size_t FolderPartLength(const std::string& path);

}  // namespace sigillo
