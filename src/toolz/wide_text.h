// Texts as the Windows API's wide strings: both are UTF-16, so the code units pass
// unchanged. Only the Windows variants of the platform files use this.
#pragma once

#include <string>
#include <string_view>

#include "toolz/text.h"

namespace sigillo {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide strings must be UTF-16 here");

inline std::wstring WideOf(TextView text) {
  return std::wstring(text.begin(), text.end());
}

inline Text TextOfWide(std::wstring_view wide) {
  return Text(wide.begin(), wide.end());
}

// What a fixed-size buffer holds up to its first NUL (all of it when there is none).
inline Text TextUpToNul(const wchar_t* buffer, size_t capacity) {
  const std::wstring_view all(buffer, capacity);
  return TextOfWide(all.substr(0, all.find(L'\0')));
}

}  // namespace sigillo
