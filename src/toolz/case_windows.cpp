// Case mapping by the system's own tables (CharUpperBuffW / CharLowerBuffW), in place,
// one code unit for one code unit, so that a text keeps its length.
#include <windows.h>

#include <algorithm>

#include "toolz/text.h"
#include "toolz/wide_text.h"

namespace sigillo {
namespace {

using MapFunction = DWORD(WINAPI*)(LPWSTR, DWORD);

Text MapUnits(TextView text, MapFunction map) {
  std::wstring buffer = WideOf(text);
  // The length is a DWORD: a text longer than that is mapped in pieces.
  constexpr size_t kPiece = size_t{1} << 30;
  for (size_t start = 0; start < buffer.size(); start += kPiece) {
    const size_t length = std::min(kPiece, buffer.size() - start);
    map(buffer.data() + start, static_cast<DWORD>(length));
  }
  return TextOfWide(buffer);
}

}  // namespace

Text UpperText(TextView text) {
  return MapUnits(text, &CharUpperBuffW);
}

Text LowerText(TextView text) {
  return MapUnits(text, &CharLowerBuffW);
}

}  // namespace sigillo
