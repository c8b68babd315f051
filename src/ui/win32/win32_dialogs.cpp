#include "ui/win32/win32_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "toolz/wide_text.h"

namespace sigillo::ui::win32 {

namespace {

// Room for a long path: the dialog fails rather than cut a longer name.
constexpr DWORD kFileBuffer = 32768;

}  // namespace

std::wstring DialogFilter(TextView filter) {
  if (filter.empty()) return {};
  std::wstring result;
  for (const char16_t c : filter)
    result += c == u'|' ? L'\0' : static_cast<wchar_t>(c);
  result += L'\0';
  result += L'\0';
  return result;
}

bool Win32OpenDialog::Execute() {
  const std::wstring filter = DialogFilter(filter_);
  const std::wstring title = WideOf(title_);
  std::vector<wchar_t> file(kFileBuffer, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kFileBuffer;
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // The platform's defaults: no read-only box, a dialog that can be resized, one
  // file that need not exist. The process keeps its current folder, so names typed
  // afterwards mean what they meant before.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return false;
  file_name_ = TextUpToNul(file.data(), file.size());
  return true;
}

}  // namespace sigillo::ui::win32
