#include "cli/password.h"

#include <filesystem>
#include <fstream>
#include <istream>

#include "cipher/wipe.h"

namespace sigillo::cli {
namespace {

// A password line is at most a few kilobytes; a longer one is cut short and then
// refused as too long, without reading a whole large file.
constexpr size_t kLineLimit = 4 * kMaxPasswordLength + 2;

bool ReadFirstLine(std::istream& in, std::string& line) {
  line.clear();
  char c = 0;
  while (line.size() <= kLineLimit && in.get(c) && c != '\n')
    line += c;
  if (in.bad()) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace

std::string PasswordFromUtf8(const std::string& line, Text& out) {
  if (!Utf8ToText(line, out)) return "the password is not valid UTF-8";
  if (out.empty()) return "the password is empty";
  if (out.size() > kMaxPasswordLength) {
    SecureWipe(out);
    return "the password is longer than 256 characters";
  }
  return {};
}

std::string ReadPassword(Console& console, const std::optional<std::string>& file, bool confirm,
                         Text& out) {
  std::string line;
  std::string error;
  if (file) {
    bool ok = false;
    if (*file == "-") {
      ok = ReadFirstLine(*console.in, line);
    } else {
      // The name is UTF-8; through a path it reaches the wide calls on Windows too.
      std::ifstream in(std::filesystem::path(std::u8string(file->begin(), file->end())),
                       std::ios::binary);
      ok = in.is_open() && ReadFirstLine(in, line);
    }
    if (!ok) return "cannot read the password file " + *file;
    error = PasswordFromUtf8(line, out);
  } else {
    std::string again;
    if (!console.read_secret || !console.read_secret("Password: ", line))
      return "no terminal to ask for the password (use --password-file)";
    error = PasswordFromUtf8(line, out);
    if (error.empty() && confirm) {
      if (!console.read_secret("Repeat password: ", again))
        error = "no terminal to ask for the password (use --password-file)";
      else if (again != line)
        error = "the passwords do not match";
    }
    SecureWipe(again);
  }
  SecureWipe(line);
  if (!error.empty()) SecureWipe(out);
  return error;
}

}  // namespace sigillo::cli
