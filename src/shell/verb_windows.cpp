// The Explorer verb: two keys under HKEY_CLASSES_ROOT whose default values are the
// caption of the context-menu entry for every file and the command it runs.
#include <windows.h>

#include <string>

#include "shell/language.h"
#include "shell/verb.h"
#include "toolz/wide_text.h"

namespace sigillo {

namespace {

constexpr wchar_t kVerbKey[] = L"*\\shell\\QZ-2048";
constexpr wchar_t kCommandKey[] = L"*\\shell\\QZ-2048\\command";

// Opens the key with full access, creating it when missing, and sets its default
// value as a string stored with its terminating zero. False on any failure.
bool SetDefaultValue(const wchar_t* path, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const LSTATUS status =
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace

void RegisterVerb(TextView program_path, bool swedish) {
  try {
    // The first failure ends the registration; what was written stays.
    if (!SetDefaultValue(kVerbKey,
                         WideOf(LangStr(swedish, kVerbCaptionSwedish, kVerbCaptionSecond)))) {
      return;
    }
    SetDefaultValue(kCommandKey, L"\"" + WideOf(program_path) + L"\" \"%1\"");
  } catch (...) {
    // The verb is optional: a user who may not write to the classes gets none.
  }
}

}  // namespace sigillo
