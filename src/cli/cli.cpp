#include "cli/cli.h"

#include <fstream>
#include <istream>
#include <optional>
#include <ostream>

#include "cipher/wipe.h"
#include "cli/cli_window.h"
#include "cli/password.h"
#include "fileops/export.h"
#include "fileops/format.h"
#include "fileops/operations.h"
#include "toolz/facts.h"

namespace sigillo::cli {
namespace {

constexpr int32_t kSwedishLcid = 1053;  // Swedish as spoken in Sweden, and only that

constexpr const char* kUsageText =
    "usage: sigillo-cli encrypt [--password-file PATH] [--yes] FILE...\n"
    "       sigillo-cli decrypt [--password-file PATH] [--yes] FILE...\n"
    "       sigillo-cli encrypt [--password-file PATH] --output OUT FILE\n"
    "       sigillo-cli decrypt [--password-file PATH] --output OUT FILE\n"
    "       sigillo-cli status FILE...\n"
    "       sigillo-cli --help | --version\n";

constexpr const char* kHelpText =
    "Encrypts and decrypts files with a password (QZ-2048).\n"
    "\n"
    "Commands:\n"
    "  encrypt   encrypt each FILE in place: the plain file is overwritten and deleted,\n"
    "            the encrypted file takes its name (with --output: write it to OUT)\n"
    "  decrypt   decrypt each FILE in place, only if the password is right\n"
    "            (with --output: write the plain content to OUT)\n"
    "  status    tell for each FILE whether it is encrypted\n"
    "\n"
    "Options:\n"
    "  --password-file PATH  take the password from the first line of PATH (- for standard\n"
    "                        input); otherwise it is asked for on the terminal\n"
    "  --yes                 answer yes to both questions of an in-place operation\n"
    "  --output OUT          the file to write; it must not exist yet; FILE is not changed\n"
    "\n"
    "Exit codes: 0 success, 1 wrong password or damaged file, 2 usage error or refused\n"
    "input, 3 any other failure.\n";

struct Options {
  std::string command;
  std::optional<std::string> password_file;
  std::optional<std::string> output;
  bool yes = false;
  std::vector<std::string> files;
};

int Fail(Console& console, int code, const std::string& message) {
  *console.err << "sigillo-cli: error: " << message << "\n";
  return code;
}

// Parses "command [options] files"; returns an error message or an empty string.
std::string Parse(const std::vector<std::string>& args, Options& options) {
  options.command = args.front();
  bool only_files = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool is_cipher = options.command != "status";
    if (only_files || a.empty() || a[0] != '-' || a == "-") {
      options.files.push_back(a);
    } else if (a == "--") {
      only_files = true;
    } else if (is_cipher && (a == "--yes" || a == "-y")) {
      options.yes = true;
    } else if (is_cipher && (a == "--password-file" || a == "--output" || a == "-o")) {
      if (i + 1 >= args.size()) return "option " + a + " needs a value";
      (a == "--password-file" ? options.password_file : options.output) = args[++i];
    } else if (is_cipher && a.starts_with("--password-file=")) {
      options.password_file = a.substr(16);
    } else if (is_cipher && a.starts_with("--output=")) {
      options.output = a.substr(9);
    } else {
      return "unknown option " + a;
    }
  }
  if (options.files.empty()) return "no file given";
  return {};
}

int Status(Console& console, const Options& options) {
  FileSystem& fs = *console.fs;
  for (const std::string& file : options.files) {
    const char* state = "not encrypted";
    switch (fs.Kind(file)) {
      case PathKind::kMissing:
        state = "missing";
        break;
      case PathKind::kFile:
        if (IsEncryptedFile(fs, file)) state = "encrypted";
        break;
      case PathKind::kFolder:
        state = "folder";
        break;
      default:
        state = "not a regular file";
        break;
    }
    *console.out << file << ": " << state << "\n";
  }
  return kOk;
}

int ExitCodeOf(const Error& e) {
  switch (e.kind) {
    case ErrorKind::kNone:
      return kOk;
    case ErrorKind::kCheckFailed:
      return kCheckFailed;
    case ErrorKind::kRefused:
      return kUsage;
    case ErrorKind::kIo:
      break;
  }
  return kFailure;
}

ProgressFn TerminalProgress(Console& console, const char* word) {
  if (!console.err_is_terminal) return {};
  return [&console, word, last = -1](uint64_t position, uint64_t size) mutable {
    const int percent = size == 0 ? 100 : static_cast<int>(position * 100 / size);
    if (percent == last) return;
    last = percent;
    *console.err << "\r" << word << " " << percent << " %" << std::flush;
  };
}

int Export(Console& console, const Options& options) {
  const bool encrypt = options.command == "encrypt";
  if (options.files.size() != 1) return Fail(console, kUsage, "--output takes exactly one FILE");

  Text password;
  if (std::string error = ReadPassword(console, options.password_file, encrypt, password);
      !error.empty())
    return Fail(console, kUsage, error);

  Generator gen;
  const ExportJob job{options.files.front(), *options.output,
                      TerminalProgress(console, encrypt ? "encrypting" : "decrypting")};
  const Error e = encrypt ? EncryptToFile(*console.fs, gen, password, job)
                          : DecryptToFile(*console.fs, gen, password, job);
  SecureWipe(password);
  if (console.err_is_terminal) *console.err << "\r\033[K" << std::flush;
  return e ? Fail(console, ExitCodeOf(e), e.message) : kOk;
}

// One line about how the in-place operation on file ended, and its exit code.
int Report(Console& console, const std::string& file, bool encrypt, const OperationOutcome& outcome,
           const CliWindow& window) {
  switch (outcome.result) {
    case OperationResult::kDone:
    case OperationResult::kKept:
      return kOk;
    case OperationResult::kCancelled:
      if (window.LackedTerminal())
        return Fail(console, kUsage, file + ": no terminal to confirm (use --yes)");
      return kOk;
    case OperationResult::kCheckFailed:
      return Fail(console, kCheckFailed, file + ": wrong password or damaged file");
    case OperationResult::kFailed:
      return Fail(console, kFailure, outcome.detail + "; the content is intact");
    case OperationResult::kRefused:
      break;
  }
  switch (outcome.refusal) {
    case Refusal::kNoFile:
      return Fail(console, kUsage,
                  file + (encrypt ? ": not an existing file, or already encrypted"
                                  : ": not an existing encrypted file"));
    case Refusal::kTempExists:
      return Fail(console, kUsage,
                  file + ": its temporary file " + TextToUtf8(TempFileName(Utf8ToTextLossy(file))) +
                      " already exists");
    default:
      return Fail(console, kUsage, file + ": refused");
  }
}

int InPlace(Console& console, const Options& options) {
  const bool encrypt = options.command == "encrypt";
  for (const std::string& file : options.files) {
    Text unused;
    if (!Utf8ToText(file, unused))
      return Fail(console, kUsage, "the file name is not valid UTF-8: " + file);
  }
  Text password;
  if (std::string error = ReadPassword(console, options.password_file, encrypt, password);
      !error.empty())
    return Fail(console, kUsage, error);

  OperationContext& host = HostOperationContext();
  OperationContext context{host.gen, *console.fs, host.system_report};
  CliWindow window(console, password, options.yes, HostFacts().LocaleIdentifier() == kSwedishLcid);
  int worst = kOk;
  for (const std::string& file : options.files) {
    window.SetFile(Utf8ToTextLossy(file));
    const OperationOutcome outcome =
        encrypt ? EncryptOperation(window, context) : DecryptOperation(window, context);
    worst = std::max(worst, Report(console, file, encrypt, outcome, window));
  }
  SecureWipe(password);
  return worst;
}

}  // namespace

int Run(const std::vector<std::string>& args, Console& console) {
  if (console.fs == nullptr) console.fs = &HostFileSystem();
  if (args.empty()) {
    *console.err << kUsageText;
    return kUsage;
  }
  const std::string& command = args.front();
  if (command == "--help" || command == "-h" || command == "help") {
    *console.out << kUsageText << "\n" << kHelpText;
    return kOk;
  }
  if (command == "--version") {
    *console.out << "sigillo-cli 1.41\n";
    return kOk;
  }
  if (command != "encrypt" && command != "decrypt" && command != "status")
    return Fail(console, kUsage, "unknown command " + command + " (see --help)");

  Options options;
  if (std::string error = Parse(args, options); !error.empty()) return Fail(console, kUsage, error);
  if (command == "status") return Status(console, options);
  if (options.yes && options.output) return Fail(console, kUsage, "--yes has no use with --output");
  return options.output ? Export(console, options) : InPlace(console, options);
}

}  // namespace sigillo::cli
