// The encrypt and decrypt operations of the window, written once for every front end.
#pragma once

#include <functional>
#include <string>

#include "cipher/generator.h"
#include "fileops/file_system.h"
#include "fileops/operation_window.h"

namespace sigillo {

struct OperationContext {
  Generator& gen;
  FileSystem& fs;
  // Reseeds the generator from the state of the machine before the destruction fill.
  // False when the report could not be made; the operation then fails.
  std::function<bool(Generator&, bool swedish)> system_report;
};

// How an operation ended; the window shows its messages itself, the command line
// turns this into its exit code.
enum class OperationResult {
  kRefused,      // a validation test failed; nothing was changed
  kCancelled,    // the first question was answered no
  kKept,         // encryption: the second question was answered no; the file is as it was
  kDone,         // the file was encrypted or decrypted in place
  kCheckFailed,  // decryption: wrong password or damaged file
  kFailed,       // any other failure; the content is still intact (see the message)
};

// Which validation test refused the input.
enum class Refusal { kNone, kNoFile, kNoPassword, kPasswordMismatch, kTempExists };

struct OperationOutcome {
  OperationResult result = OperationResult::kDone;
  Refusal refusal = Refusal::kNone;
  std::string detail;  // for kFailed: which step failed, for the command line
};

// Validation, questions, the cipher pass, and the destruction of the plain file.
OperationOutcome EncryptOperation(OperationWindow& window, OperationContext& context);
// Validation, question, the cipher pass, the check, and the replacement.
OperationOutcome DecryptOperation(OperationWindow& window, OperationContext& context);

// The context of the real program: the one generator, the host's files and report.
OperationContext& HostOperationContext();

}  // namespace sigillo
