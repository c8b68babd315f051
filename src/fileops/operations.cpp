#include "fileops/operations.h"

#include <memory>

#include "cipher/wipe.h"
#include "fileops/destroy.h"
#include "fileops/file_cipher.h"
#include "fileops/format.h"
#include "fileops/passes.h"
#include "fileops/progress.h"
#include "fileops/texts.h"

namespace sigillo {
namespace {

struct Inputs {
  Text path;
  Text password;
  std::string native;       // the chosen file
  std::string temp_native;  // its temporary file
  ~Inputs() { SecureWipe(password); }
};

OperationOutcome Refuse(OperationWindow& window, const TextPair& message, Refusal refusal) {
  window.ShowError(Say(window, message));
  return {OperationResult::kRefused, refusal, {}};
}

// The validation tests, in their order; the first that fails is shown and nothing
// is changed.
OperationOutcome Validate(OperationWindow& window, FileSystem& fs, bool encrypted,
                          const TextPair& no_file, const TextPair& temp_exists, Inputs& in) {
  in.path = window.FileNameText();
  in.native = NativePath(in.path);
  in.temp_native = NativePath(TempFileName(in.path));
  in.password = window.PasswordText();
  Text repeated = window.RepeatPasswordText();
  OperationOutcome outcome;
  // A symbolic link is not taken for a file: nothing outside the chosen name is touched.
  if (in.path.empty() || fs.Kind(in.native) != PathKind::kFile ||
      IsEncryptedFile(fs, in.native) != encrypted)
    outcome = Refuse(window, no_file, Refusal::kNoFile);
  else if (in.password.empty() || repeated.empty())
    outcome = Refuse(window, texts::kNoPassword, Refusal::kNoPassword);
  else if (in.password != repeated)
    outcome = Refuse(window, texts::kPasswordMismatch, Refusal::kPasswordMismatch);
  else if (fs.Kind(in.temp_native) != PathKind::kMissing)
    outcome = Refuse(window, temp_exists, Refusal::kTempExists);
  SecureWipe(repeated);
  return outcome;
}

OperationOutcome Failed(std::string detail) {
  return {OperationResult::kFailed, Refusal::kNone, std::move(detail)};
}

ProgressFn ProgressOf(OperationWindow& window, const TextPair& word) {
  return [&window, &word](uint64_t position, uint64_t size) {
    UpdateProgress(window, word, static_cast<int64_t>(position), static_cast<int64_t>(size));
  };
}

// The temporary file this run created; removed again if the run ends without
// handing it on, so that no partial or deciphered copy is left behind.
class TempFile {
 public:
  TempFile(FileSystem& fs, const std::string& path) : fs_(fs), path_(path) {}
  ~TempFile() {
    file.reset();
    if (created_ && !kept_) (void)fs_.Remove(path_);
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool Create(uint32_t mode) {
    file = fs_.Create(path_, mode);
    created_ = file != nullptr;
    return created_;
  }
  // From now on the file stays, whatever happens.
  void Keep() { kept_ = true; }
  bool Remove() {
    kept_ = true;
    return fs_.Remove(path_);
  }

  std::unique_ptr<FileHandle> file;

 private:
  FileSystem& fs_;
  std::string path_;
  bool created_ = false;
  bool kept_ = false;
};

// The check value of a whole file, shown as the "Beräknar" pass.
bool FileCrc32(OperationWindow& window, FileSystem& fs, const std::string& path, uint32_t& crc) {
  const auto file = fs.OpenRead(path);
  uint64_t size = 0;
  return file && file->Size(size) &&
         CrcPass(*file, 0, size, ProgressOf(window, texts::kComputing), crc);
}

// Overwrites the plain file and puts the encrypted file in its place
// (MoveTempIntoPlace happens inside, between the two). The order keeps a complete
// copy of the content at every step: the plain file takes its random name, the
// encrypted file takes the chosen name, and only then is the plain file overwritten,
// flushed and deleted. The draws (report, filler, random name) keep their order.
OperationOutcome DestroyPlainFile(OperationWindow& window, OperationContext& context,
                                  const Inputs& in) {
  FileSystem& fs = context.fs;
  AnnouncePass(window, texts::kDestroying);
  auto plain = fs.OpenWrite(in.native);
  if (!plain) return Failed(in.native + ": cannot open it for overwriting");
  if (!context.system_report(context.gen, window.IsSwedish()))
    return Failed("cannot gather the system report");
  const auto filler = FillerBlock(context.gen);
  const std::string random = NativePath(RandomDestroyName(fs, context.gen, in.path));

  if (!fs.RenameNoReplace(in.native, random)) return Failed(in.native + ": cannot rename it");
  if (!MoveTempIntoPlace(fs, in.path)) {
    (void)fs.RenameNoReplace(random, in.native);
    return Failed(in.native + ": cannot move the encrypted file into place");
  }
  if (!fs.SyncFolderOf(in.native)) return Failed(in.native + ": cannot flush the folder");
  if (!OverwriteWithFiller(*plain, filler, window))
    return Failed(random + ": cannot overwrite the plain file");
  plain.reset();
  if (!fs.Remove(random)) return Failed(random + ": cannot delete the overwritten plain file");
  if (!fs.SyncFolderOf(in.native)) return Failed(in.native + ": cannot flush the folder");
  return {};
}

OperationOutcome EncryptRun(OperationWindow& window, OperationContext& context, const Inputs& in,
                            Text& whitened) {
  FileSystem& fs = context.fs;
  AnnouncePass(window, texts::kComputing);
  uint32_t check = 0;
  if (!FileCrc32(window, fs, in.native, check)) return Failed(in.native + ": cannot read it");

  AnnouncePass(window, texts::kEncrypting);
  auto source = fs.OpenRead(in.native);
  uint64_t size = 0;
  if (!source || !source->Size(size)) return Failed(in.native + ": cannot open it");
  TempFile temp(fs, in.temp_native);
  if (!temp.Create(source->Mode())) return Failed(in.temp_native + ": cannot create it");
  if (!temp.file->Write(EncodeHeader(check))) return Failed(in.temp_native + ": cannot write it");

  FileCipher cipher;
  DeriveFileKey(context.gen, whitened, cipher);
  SecureWipe(whitened);
  Crc32 reread;
  if (!CipherPass(context.gen, cipher, *source, 0, size, *temp.file,
                  ProgressOf(window, texts::kEncrypting), &reread))
    return Failed(in.native + ": cannot encrypt it into " + in.temp_native);
  // Another program may have written to the file between the two passes.
  if (reread.Value() != check) return Failed(in.native + ": it changed while it was read");
  // The encrypted copy is on the disk before anything may touch the plain file.
  if (!temp.file->Sync() || !fs.SyncFolderOf(in.temp_native))
    return Failed(in.temp_native + ": cannot flush it to disk");
  source.reset();
  temp.file.reset();

  if (!window.AskConfirm(Say(window, texts::kCompleteEncryption))) {
    if (!temp.Remove()) return Failed(in.temp_native + ": cannot delete it");
    return {OperationResult::kKept, Refusal::kNone, {}};
  }
  temp.Keep();
  return DestroyPlainFile(window, context, in);
}

// Replaces the encrypted file with the deciphered one; on any failure the encrypted
// file is back at its name and the deciphered copy is gone.
OperationOutcome ReplaceEncrypted(FileSystem& fs, const Inputs& in, TempFile& temp) {
  const std::string old = NativePath(UniqueFileName(fs, in.path + u".?.old", 1));
  if (!fs.RenameNoReplace(in.native, old)) return Failed(in.native + ": cannot delete it");
  if (!MoveTempIntoPlace(fs, in.path)) {
    (void)fs.RenameNoReplace(old, in.native);
    return Failed(in.native + ": cannot move the decrypted file into place");
  }
  if (!fs.Remove(old)) {
    if (fs.RenameNoReplace(in.native, in.temp_native)) (void)fs.RenameNoReplace(old, in.native);
    return Failed(in.native + ": cannot delete the encrypted file");
  }
  temp.Keep();
  if (!fs.SyncFolderOf(in.native)) return Failed(in.native + ": cannot flush the folder");
  return {};
}

OperationOutcome DecryptRun(OperationWindow& window, OperationContext& context, const Inputs& in,
                            Text& whitened) {
  FileSystem& fs = context.fs;
  AnnouncePass(window, texts::kDecrypting);
  auto source = fs.OpenRead(in.native);
  uint64_t size = 0;
  if (!source || !source->Size(size)) return Failed(in.native + ": cannot open it");
  TempFile temp(fs, in.temp_native);
  if (!temp.Create(source->Mode())) return Failed(in.temp_native + ": cannot create it");

  std::array<uint8_t, 4> stored{};
  size_t got = 0;
  if (!source->Seek(FileMagic.size()) || !ReadFully(*source, stored, got))
    return Failed(in.native + ": cannot read it");
  const uint32_t expected = DecodeCheckValue(std::span(stored).first(got));

  FileCipher cipher;
  DeriveFileKey(context.gen, whitened, cipher);
  SecureWipe(whitened);
  if (!CipherPass(context.gen, cipher, *source, FileMagic.size() + got, size, *temp.file,
                  ProgressOf(window, texts::kDecrypting), nullptr))
    return Failed(in.native + ": cannot decrypt it into " + in.temp_native);
  if (!temp.file->Sync()) return Failed(in.temp_native + ": cannot flush it to disk");
  source.reset();
  temp.file.reset();

  AnnouncePass(window, texts::kComputing);
  uint32_t actual = 0;
  if (!FileCrc32(window, fs, in.temp_native, actual))
    return Failed(in.temp_native + ": cannot read it back");
  if (actual != expected) {
    window.ShowError(Say(window, texts::kWrongPasswordOrDamaged));
    if (!temp.Remove()) return Failed(in.temp_native + ": cannot delete it");
    return {OperationResult::kCheckFailed, Refusal::kNone, {}};
  }
  return ReplaceEncrypted(fs, in, temp);
}

using Run = OperationOutcome (*)(OperationWindow&, OperationContext&, const Inputs&, Text&);

// Steps 6 to 17 around a run: busy state, password whitening, and one message for
// every failure inside.
OperationOutcome Guarded(OperationWindow& window, OperationContext& context, const Inputs& in,
                         Run run) {
  window.BeginBusy();
  OperationOutcome outcome;
  try {
    Text whitened = WhitenPassword(context.gen, in.password);
    outcome = run(window, context, in, whitened);
    SecureWipe(whitened);
  } catch (...) {
    outcome = Failed("out of memory");
  }
  if (outcome.result == OperationResult::kFailed) window.ShowError(Say(window, texts::kFailed));
  window.EndBusy(outcome.result == OperationResult::kDone ||
                 outcome.result == OperationResult::kKept);
  return outcome;
}

}  // namespace

OperationOutcome EncryptOperation(OperationWindow& window, OperationContext& context) {
  Inputs in;
  OperationOutcome outcome =
      Validate(window, context.fs, false, texts::kNoPlainFile, texts::kEncryptTempExists, in);
  if (outcome.result == OperationResult::kRefused) return outcome;
  if (!window.AskConfirm(u"")) return {OperationResult::kCancelled, Refusal::kNone, {}};
  return Guarded(window, context, in, &EncryptRun);
}

OperationOutcome DecryptOperation(OperationWindow& window, OperationContext& context) {
  Inputs in;
  OperationOutcome outcome =
      Validate(window, context.fs, true, texts::kNoEncryptedFile, texts::kDecryptTempExists, in);
  if (outcome.result == OperationResult::kRefused) return outcome;
  if (!window.AskConfirm(u"")) return {OperationResult::kCancelled, Refusal::kNone, {}};
  return Guarded(window, context, in, &DecryptRun);
}

}  // namespace sigillo
