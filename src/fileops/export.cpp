#include "fileops/export.h"

#include <memory>

#include "cipher/wipe.h"
#include "fileops/format.h"

namespace sigillo {
namespace {

Error RefuseInput(FileSystem& fs, const std::string& path) {
  switch (fs.Kind(path)) {
    case PathKind::kFile:
      return {};
    case PathKind::kMissing:
      return Error::Refused(path + ": no such file");
    case PathKind::kFolder:
      return Error::Refused(path + ": is a folder");
    case PathKind::kLink:
      return Error::Refused(path + ": is a symbolic link");
    case PathKind::kOther:
      break;
  }
  return Error::Refused(path + ": not a regular file");
}

// The output under construction: removed again unless it was committed.
class PendingOutput {
 public:
  PendingOutput(FileSystem& fs, std::string target) : fs_(fs), target_(std::move(target)) {}
  ~PendingOutput() {
    file_.reset();
    if (!temp_.empty() && !committed_) (void)fs_.Remove(temp_);
  }
  PendingOutput(const PendingOutput&) = delete;
  PendingOutput& operator=(const PendingOutput&) = delete;

  // A fresh hidden name beside the target, so the rename stays within one folder.
  bool Create(uint32_t mode) {
    const size_t folder_length = FolderPartLength(target_);
    const std::string folder = target_.substr(0, folder_length);
    const std::string base = target_.substr(folder_length);
    for (int n = 0; n < 1000 && !file_; ++n) {
      temp_ = folder + "." + base + ".part" + std::to_string(n);
      if (fs_.Kind(temp_) == PathKind::kMissing) file_ = fs_.Create(temp_, mode);
    }
    if (!file_) temp_.clear();
    return file_ != nullptr;
  }

  FileHandle& file() { return *file_; }

  Error Commit() {
    if (!file_->Sync()) return Error::Io(target_ + ": cannot flush to disk");
    file_.reset();
    if (!fs_.RenameNoReplace(temp_, target_)) {
      if (fs_.Kind(target_) != PathKind::kMissing)
        return Error::Refused(target_ + ": already exists");
      return Error::Io(target_ + ": cannot rename into place");
    }
    committed_ = true;
    if (!fs_.SyncFolderOf(target_)) return Error::Io(target_ + ": cannot flush the folder");
    return {};
  }

 private:
  FileSystem& fs_;
  std::string target_;
  std::string temp_;
  std::unique_ptr<FileHandle> file_;
  bool committed_ = false;
};

struct OpenedInput {
  std::unique_ptr<FileHandle> file;
  uint64_t size = 0;
  bool encrypted = false;
};

Error OpenInput(FileSystem& fs, const ExportJob& job, OpenedInput& in) {
  if (Error e = RefuseInput(fs, job.input)) return e;
  if (fs.Kind(job.output) != PathKind::kMissing)
    return Error::Refused(job.output + ": already exists");
  in.file = fs.OpenRead(job.input);
  if (!in.file) return Error::Io(job.input + ": cannot open (in use or not readable)");
  std::array<uint8_t, FileMagic.size()> start{};
  size_t got = 0;
  if (!in.file->Size(in.size) || !ReadFully(*in.file, start, got))
    return Error::Io(job.input + ": cannot read");
  in.encrypted = got == start.size() && start == FileMagic;
  return {};
}

}  // namespace

Error EncryptToFile(FileSystem& fs, Generator& gen, TextView password, const ExportJob& job) {
  OpenedInput in;
  if (Error e = OpenInput(fs, job, in)) return e;
  if (in.encrypted) return Error::Refused(job.input + ": already encrypted");

  Text whitened = WhitenPassword(gen, password);
  uint32_t check = 0;
  if (!in.file->Seek(0) || !CrcPass(*in.file, 0, in.size, job.progress, check) || !in.file->Seek(0))
    return Error::Io(job.input + ": cannot read");

  PendingOutput out(fs, job.output);
  if (!out.Create(in.file->Mode())) return Error::Io(job.output + ": cannot create");
  if (!out.file().Write(EncodeHeader(check))) return Error::Io(job.output + ": cannot write");

  FileCipher cipher;
  DeriveFileKey(gen, whitened, cipher);
  SecureWipe(whitened);
  Crc32 reread;
  if (!CipherPass(gen, cipher, *in.file, 0, in.size, out.file(), job.progress, &reread))
    return Error::Io(job.input + ": read or write failed");
  if (reread.Value() != check) return Error::Io(job.input + ": changed while it was read");
  return out.Commit();
}

Error DecryptToFile(FileSystem& fs, Generator& gen, TextView password, const ExportJob& job) {
  OpenedInput in;
  if (Error e = OpenInput(fs, job, in)) return e;
  if (!in.encrypted) return Error::Refused(job.input + ": not encrypted");

  Text whitened = WhitenPassword(gen, password);
  PendingOutput out(fs, job.output);
  if (!out.Create(in.file->Mode())) return Error::Io(job.output + ": cannot create");

  std::array<uint8_t, 4> stored{};
  size_t got = 0;
  if (!in.file->Seek(FileMagic.size()) || !ReadFully(*in.file, stored, got))
    return Error::Io(job.input + ": cannot read");
  const uint32_t expected = DecodeCheckValue(std::span(stored).first(got));

  FileCipher cipher;
  DeriveFileKey(gen, whitened, cipher);
  SecureWipe(whitened);
  const uint64_t start = FileMagic.size() + got;
  if (!CipherPass(gen, cipher, *in.file, start, in.size, out.file(), job.progress, nullptr))
    return Error::Io(job.input + ": read or write failed");

  // The check reads back what reached the file, not what was meant to be written.
  uint32_t actual = 0;
  if (!out.file().Sync() || !out.file().Seek(0) ||
      !CrcPass(out.file(), 0, in.size > kHeaderSize ? in.size - kHeaderSize : 0, nullptr, actual))
    return Error::Io(job.output + ": cannot read back");
  if (actual != expected) return Error::CheckFailed("wrong password or damaged file");
  return out.Commit();
}

}  // namespace sigillo
