// The Windows console: questions and the hidden password go to the console itself
// (CONIN$ and CONOUT$), even when standard input and output are redirected.
#include <windows.h>

#include <algorithm>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "cipher/wipe.h"
#include "cli/cli.h"
#include "toolz/text.h"
#include "toolz/wide_text.h"

namespace sigillo::cli {
namespace {

HANDLE OpenConsole(const wchar_t* name) {
  return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                     nullptr, OPEN_EXISTING, 0, nullptr);
}

class Terminal {
 public:
  Terminal() : in_(OpenConsole(L"CONIN$")), out_(OpenConsole(L"CONOUT$")) {}
  ~Terminal() {
    if (in_ != INVALID_HANDLE_VALUE) CloseHandle(in_);
    if (out_ != INVALID_HANDLE_VALUE) CloseHandle(out_);
  }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  bool ok() const {
    DWORD mode = 0;
    return in_ != INVALID_HANDLE_VALUE && out_ != INVALID_HANDLE_VALUE &&
           GetConsoleMode(in_, &mode) != 0;
  }

  // UTF-16 to the console, whatever its code page.
  void Write(const std::string& utf8) const {
    const std::wstring wide = WideOf(Utf8ToTextLossy(utf8));
    DWORD written = 0;
    WriteConsoleW(out_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  }

  // One line as UTF-8, without its line end; false at the end of the input.
  bool ReadLine(std::string& line) const {
    std::wstring wide;
    bool ended = false;
    for (;;) {
      wchar_t c = 0;
      DWORD n = 0;
      if (!ReadConsoleW(in_, &c, 1, &n, nullptr) || n == 0) break;
      if (c == L'\n') {
        ended = true;
        break;
      }
      if (c != L'\r') wide += c;
    }
    Text text = TextOfWide(wide);
    line = TextToUtf8(text);
    SecureWipe(wide);
    SecureWipe(text);
    return ended || !line.empty();
  }

  bool ReadHidden(std::string& line) const {
    DWORD saved = 0;
    if (!GetConsoleMode(in_, &saved)) return false;
    if (!SetConsoleMode(in_, (saved | ENABLE_LINE_INPUT) & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)))
      return false;
    const bool ok = ReadLine(line);
    SetConsoleMode(in_, saved);
    Write("\n");  // the line end that was not echoed
    return ok;
  }

 private:
  HANDLE in_;
  HANDLE out_;
};

// Output to a console: UTF-8 in, UTF-16 out through WriteConsoleW, which shows every
// character whatever the console's code page. The progress line's "\033[K" (clear to
// the end of the line) is done with the console functions, since not every console
// takes escape sequences.
class ConsoleBuffer final : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}
  ~ConsoleBuffer() override { Flush(); }
  ConsoleBuffer(const ConsoleBuffer&) = delete;
  ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    pending_ += traits_type::to_char_type(c);
    if (c == '\n') Flush();
    return c;
  }
  std::streamsize xsputn(const char* data, std::streamsize size) override {
    pending_.append(data, static_cast<size_t>(size));
    return size;
  }
  int sync() override {
    Flush();
    return 0;
  }

 private:
  static constexpr std::string_view kClearToEnd = "\033[K";

  // The length of pending_ without an incomplete UTF-8 sequence at its end.
  size_t CompleteLength() const {
    const size_t size = pending_.size();
    for (size_t back = 1; back <= std::min<size_t>(3, size); ++back) {
      const auto byte = static_cast<unsigned char>(pending_[size - back]);
      if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
      const size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      return length > back ? size - back : size;
    }
    return size;
  }

  void Write(std::string_view utf8) const {
    const std::wstring wide = WideOf(Utf8ToTextLossy(utf8));
    DWORD written = 0;
    if (!wide.empty())
      WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  }

  void ClearToEndOfLine() const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(console_, &info)) return;
    DWORD written = 0;
    const auto count = static_cast<DWORD>(info.dwSize.X - info.dwCursorPosition.X);
    FillConsoleOutputCharacterW(console_, L' ', count, info.dwCursorPosition, &written);
  }

  void Flush() {
    const size_t complete = CompleteLength();
    std::string_view text(pending_.data(), complete);
    for (;;) {
      const size_t escape = text.find(kClearToEnd);
      Write(text.substr(0, escape));
      if (escape == std::string_view::npos) break;
      ClearToEndOfLine();
      text.remove_prefix(escape + kClearToEnd.size());
    }
    pending_.erase(0, complete);
  }

  HANDLE console_;
  std::string pending_;
};

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// The process's standard output or error: the console itself when it is one, else the
// C++ stream (UTF-8 bytes to a file or a pipe).
std::ostream* OutputStream(DWORD which, std::ostream& redirected) {
  const HANDLE handle = GetStdHandle(which);
  if (!IsConsole(handle)) return &redirected;
  // One of each for the process; they flush when it ends.
  static ConsoleBuffer out_buffer(GetStdHandle(STD_OUTPUT_HANDLE));
  static ConsoleBuffer err_buffer(GetStdHandle(STD_ERROR_HANDLE));
  static std::ostream out(&out_buffer);
  static std::ostream err(&err_buffer);
  err.setf(std::ios::unitbuf);  // like std::cerr: every message at once
  return which == STD_ERROR_HANDLE ? &err : &out;
}

}  // namespace

Console ProcessConsole() {
  Console console;
  console.in = &std::cin;
  console.out = OutputStream(STD_OUTPUT_HANDLE, std::cout);
  console.err = OutputStream(STD_ERROR_HANDLE, std::cerr);
  console.err_is_terminal = IsConsole(GetStdHandle(STD_ERROR_HANDLE));
  console.read_secret = [](const std::string& prompt, std::string& line) {
    const Terminal terminal;
    if (!terminal.ok()) return false;
    terminal.Write(prompt);
    return terminal.ReadHidden(line);
  };
  console.ask = [](const std::string& question, bool& yes) {
    const Terminal terminal;
    if (!terminal.ok()) return false;
    terminal.Write(question + " [y/N] ");
    std::string answer;
    if (!terminal.ReadLine(answer)) return false;
    yes = answer == "y" || answer == "Y" || answer == "yes" || answer == "j" || answer == "ja";
    return true;
  };
  return console;
}

}  // namespace sigillo::cli
