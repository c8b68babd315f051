// The file system on Windows. Paths arrive as UTF-8 and go to the wide (W) calls.
// A file is opened without sharing (share mode 0), which is the exclusive lock: no
// other program, and no second copy of this one, can open it meanwhile. Reparse
// points (symbolic links, junctions) are opened as themselves and refused, so
// nothing outside the chosen name is touched.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "fileops/file_system.h"
#include "toolz/text.h"
#include "toolz/wide_text.h"

namespace sigillo {
namespace {

// ReadFile and WriteFile take a DWORD count: larger spans go in pieces.
constexpr size_t kMaxPiece = size_t{1} << 30;

// Files take their access from the folder's permissions here; there are no mode bits
// to carry over, so every file reports the same ones.
constexpr uint32_t kNoModeBits = 0600;

std::optional<std::wstring> WidePath(const std::string& path) {
  Text text;
  if (path.empty() || !Utf8ToText(path, text)) return std::nullopt;
  return WideOf(text);
}

class WindowsFile final : public FileHandle {
 public:
  explicit WindowsFile(HANDLE handle) : handle_(handle) {}
  ~WindowsFile() override { CloseHandle(handle_); }
  WindowsFile(const WindowsFile&) = delete;
  WindowsFile& operator=(const WindowsFile&) = delete;

  bool Read(std::span<uint8_t> buffer, size_t& got) override {
    got = 0;
    DWORD n = 0;
    const auto want = static_cast<DWORD>(std::min(buffer.size(), kMaxPiece));
    if (!ReadFile(handle_, buffer.data(), want, &n, nullptr)) return false;
    got = n;
    return true;
  }

  bool Write(std::span<const uint8_t> data) override {
    while (!data.empty()) {
      DWORD n = 0;
      const auto piece = static_cast<DWORD>(std::min(data.size(), kMaxPiece));
      if (!WriteFile(handle_, data.data(), piece, &n, nullptr) || n == 0) return false;
      data = data.subspan(n);
    }
    return true;
  }

  bool Seek(uint64_t position) override {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(position);
    return SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) != 0;
  }

  bool Sync() override { return FlushFileBuffers(handle_) != 0; }

  bool Size(uint64_t& size) override {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(handle_, &length)) return false;
    size = static_cast<uint64_t>(length.QuadPart);
    return true;
  }

  uint32_t Mode() override { return kNoModeBits; }

 private:
  HANDLE handle_;
};

// Opens the name itself, never what a reparse point leads to, and keeps the handle
// only for a plain file on a disk.
std::unique_ptr<FileHandle> OpenLocked(const std::string& path, DWORD access, DWORD share,
                                       DWORD disposition) {
  const std::optional<std::wstring> wide = WidePath(path);
  if (!wide) return nullptr;
  const HANDLE handle = CreateFileW(wide->c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  auto file = std::make_unique<WindowsFile>(handle);
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info) ||
      (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
    return nullptr;
  return file;
}

class WindowsFileSystem final : public FileSystem {
 public:
  PathKind Kind(const std::string& path) override {
    const std::optional<std::wstring> wide = WidePath(path);
    if (!wide) return PathKind::kMissing;
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::kMissing;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return PathKind::kLink;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::kFolder;
    if ((attributes & FILE_ATTRIBUTE_DEVICE) != 0) return PathKind::kOther;
    return PathKind::kFile;
  }

  std::unique_ptr<FileHandle> OpenRead(const std::string& path) override {
    return OpenLocked(path, GENERIC_READ, 0, OPEN_EXISTING);
  }

  // The one handle that shares deletion: the destruction renames the plain file to
  // its random name while holding it, so that no other program can open it between
  // the rename and the overwrite. Reading and writing stay unshared.
  std::unique_ptr<FileHandle> OpenWrite(const std::string& path) override {
    return OpenLocked(path, GENERIC_WRITE, FILE_SHARE_DELETE, OPEN_EXISTING);
  }

  // The folder's permissions decide the new file's access; the mode bits have no use.
  std::unique_ptr<FileHandle> Create(const std::string& path, uint32_t) override {
    return OpenLocked(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
  }

  // Without MOVEFILE_REPLACE_EXISTING an existing target makes the rename fail, and
  // without MOVEFILE_COPY_ALLOWED it never turns into a copy to another volume.
  bool RenameNoReplace(const std::string& from, const std::string& to) override {
    const std::optional<std::wstring> source = WidePath(from);
    const std::optional<std::wstring> target = WidePath(to);
    return source && target &&
           MoveFileExW(source->c_str(), target->c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  }

  bool Remove(const std::string& path) override {
    const std::optional<std::wstring> wide = WidePath(path);
    return wide && DeleteFileW(wide->c_str()) != 0;
  }

  // A folder cannot be flushed here: MOVEFILE_WRITE_THROUGH makes each rename durable
  // when it returns, and the file system journals creations and deletions itself.
  bool SyncFolderOf(const std::string&) override { return true; }
};

}  // namespace

size_t FolderPartLength(const std::string& path) {
  const size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? 0 : separator + 1;
}

FileSystem& HostFileSystem() {
  static WindowsFileSystem fs;
  return fs;
}

}  // namespace sigillo
