// CreateProcessW and TerminateProcess. A relative program path is taken from the
// folder of the running test program, so the test finds its program however it runs.
#include <windows.h>

#include <filesystem>

#include "cli/child_process.h"
#include "toolz/text.h"
#include "toolz/wide_text.h"

namespace sigillo::test {
namespace {

std::wstring Wide(const std::string& utf8) {
  return WideOf(Utf8ToTextLossy(utf8));
}

// One argument as CommandLineToArgvW and the C runtime read it back.
std::wstring Quoted(const std::wstring& arg) {
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');  // before the closing quote
  return out + L"\"";
}

std::filesystem::path ProgramPath(const std::string& program) {
  const std::filesystem::path path(Wide(program));
  if (path.is_absolute()) return path;
  wchar_t self[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  return (std::filesystem::path(self).parent_path() / path).lexically_normal();
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& args) {
  const std::filesystem::path program = ProgramPath(args.at(0));
  std::wstring command_line = Quoted(program.wstring());
  for (size_t i = 1; i < args.size(); ++i)
    command_line += L" " + Quoted(Wide(args[i]));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  started_ = CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &info) != 0;
  if (!started_) return;
  CloseHandle(info.hThread);
  process_ = reinterpret_cast<intptr_t>(info.hProcess);
}

ChildProcess::~ChildProcess() {
  if (!started_) return;
  if (!waited_) {
    Kill();
    Wait();
  }
  CloseHandle(reinterpret_cast<HANDLE>(process_));
}

void ChildProcess::Kill() {
  // Fails when the process has already ended by itself.
  if (started_ && !waited_)
    killed_ = TerminateProcess(reinterpret_cast<HANDLE>(process_), 255) != 0;
}

int ChildProcess::Wait() {
  if (!started_ || waited_) return -1;
  waited_ = true;
  const HANDLE process = reinterpret_cast<HANDLE>(process_);
  DWORD code = 0;
  if (WaitForSingleObject(process, INFINITE) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process, &code))
    return -1;
  return killed_ ? -1 : static_cast<int>(code);
}

}  // namespace sigillo::test
