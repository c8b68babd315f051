// Getting the password: from a file, standard input or the terminal.
#pragma once

#include <optional>
#include <string>

#include "cli/cli.h"
#include "toolz/text.h"

namespace sigillo::cli {

inline constexpr size_t kMaxPasswordLength = 256;  // code units, as in the window

// Returns an error message, or an empty string with the password in out.
// confirm asks twice on the terminal (for encryption).
std::string ReadPassword(Console& console, const std::optional<std::string>& file, bool confirm,
                         Text& out);

// Checks and converts one line of UTF-8; returns an error message or an empty string.
std::string PasswordFromUtf8(const std::string& line, Text& out);

}  // namespace sigillo::cli
