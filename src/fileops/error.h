// The small error value of the file operations: which kind of failure, and a
// one-line lower-case description for the command line.
#pragma once

#include <string>

namespace sigillo {

enum class ErrorKind {
  kNone,
  kRefused,      // the input was refused before anything was written
  kCheckFailed,  // wrong password or damaged file: the check value differs
  kIo,           // anything the file system refused or failed
};

struct Error {
  ErrorKind kind = ErrorKind::kNone;
  std::string message;

  explicit operator bool() const { return kind != ErrorKind::kNone; }
  static Error Refused(std::string m) { return {ErrorKind::kRefused, std::move(m)}; }
  static Error CheckFailed(std::string m) { return {ErrorKind::kCheckFailed, std::move(m)}; }
  static Error Io(std::string m) { return {ErrorKind::kIo, std::move(m)}; }
};

}  // namespace sigillo
