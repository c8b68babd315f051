// Cutting, joining, replacing and number texts. Case mapping and the locale separator live in
// platform files of their own.
#include "toolz/text.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace sigillo {

namespace {

// Positions and counts are worked out in 64 bits so that extreme 32-bit arguments cannot wrap.
Text CopyRange(TextView text, int64_t position, int64_t count) {
  const auto length = static_cast<int64_t>(text.size());
  if (count <= 0 || position > length) return {};
  const int64_t start = std::max<int64_t>(position, 1) - 1;
  const int64_t take = std::min(count, length - start);
  return Text(text.substr(static_cast<size_t>(start), static_cast<size_t>(take)));
}

Text RepeatUnits(char16_t ch, int64_t n) {
  if (n <= 0) return {};
  return Text(static_cast<size_t>(n), ch);
}

// Magnitude of n without overflow for INT64_MIN.
uint64_t Magnitude(int64_t n) {
  return n < 0 ? uint64_t{0} - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
}

Text DigitsOf(uint64_t n) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
  return Text(buffer, result.ptr);
}

// One step of UTF-8 decoding. On error, `length` covers the maximal ill-formed subpart, so a
// lossy decoder emits one U+FFFD per subpart (the practice Unicode recommends).
struct Utf8Step {
  char32_t code_point;
  size_t length;
  bool valid;
};

Utf8Step DecodeUtf8(std::string_view utf8, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned lead = byte(at);
  if (lead < 0x80) return {lead, 1, true};
  size_t trail = 0;
  unsigned low = 0x80;   // Allowed range of the first continuation byte: excludes overlong
  unsigned high = 0xBF;  // forms, UTF-16 surrogates and code points above U+10FFFF.
  char32_t code_point = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail = 1;
    code_point = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail = 2;
    code_point = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail = 3;
    code_point = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {0, 1, false};
  }
  size_t length = 1;
  for (; length <= trail; ++length) {
    if (at + length >= utf8.size()) return {0, length, false};
    const unsigned next = byte(at + length);
    if (next < low || next > high) return {0, length, false};
    code_point = (code_point << 6) | (next & 0x3Fu);
    low = 0x80;
    high = 0xBF;
  }
  return {code_point, length, true};
}

void AppendCodePoint(Text& out, char32_t code_point) {
  if (code_point < 0x10000) {
    out += static_cast<char16_t>(code_point);
    return;
  }
  const char32_t offset = code_point - 0x10000;
  out += static_cast<char16_t>(0xD800 + (offset >> 10));
  out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
}

void AppendUtf8(std::string& out, char32_t code_point) {
  const auto put = [&](char32_t bits) { out += static_cast<char>(bits); };
  if (code_point < 0x80) {
    put(code_point);
  } else if (code_point < 0x800) {
    put(0xC0 | (code_point >> 6));
    put(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    put(0xE0 | (code_point >> 12));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  } else {
    put(0xF0 | (code_point >> 18));
    put(0x80 | ((code_point >> 12) & 0x3F));
    put(0x80 | ((code_point >> 6) & 0x3F));
    put(0x80 | (code_point & 0x3F));
  }
}

constexpr char16_t kReplacement = u'\uFFFD';

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

Text CapitalizeWords(TextView text, TextView separators) {
  Text result;
  result.reserve(text.size());
  bool upper_next = true;
  for (const char16_t ch : text) {
    const TextView unit(&ch, 1);
    result += upper_next ? UpperText(unit) : LowerText(unit);
    upper_next = separators.find(ch) != TextView::npos;
  }
  return result;
}

Text CopyText(TextView text, int32_t position, int32_t count) {
  return CopyRange(text, position, count);
}

Text LeftText(TextView text, int32_t n) {
  return CopyRange(text, 1, n);
}

Text RightText(TextView text, int32_t n) {
  return CopyRange(text, static_cast<int64_t>(text.size()) - n + 1, n);
}

Text JoinText(TextView joined, TextView item, TextView separator) {
  if (joined.empty()) return Text(item);
  Text result(joined);
  result += separator;
  result += item;
  return result;
}

TextList SplitText(TextView text, TextView separator) {
  TextList pieces;
  if (text.empty() || separator.empty()) return pieces;
  TextView rest = text;
  while (!rest.empty()) {
    const size_t found = rest.find(separator);
    if (found == TextView::npos) {
      pieces.emplace_back(rest);
      break;
    }
    if (found > 0) pieces.emplace_back(rest.substr(0, found));
    rest.remove_prefix(found + separator.size());
  }
  return pieces;
}

Text ReplaceAll(TextView text, TextView old_text, TextView new_text, bool case_sensitive) {
  if (text.empty() || old_text.empty()) return {};
  // Case mapping is per code unit, so positions in the upper-cased copies match the original.
  Text upper_text;
  Text upper_old;
  TextView haystack = text;
  TextView needle = old_text;
  if (!case_sensitive) {
    upper_text = UpperText(text);
    upper_old = UpperText(old_text);
    haystack = upper_text;
    needle = upper_old;
  }
  Text result;
  size_t from = 0;
  for (size_t found = haystack.find(needle); found != TextView::npos;
       found = haystack.find(needle, from)) {
    result += text.substr(from, found - from);
    result += new_text;
    from = found + needle.size();
  }
  result += text.substr(from);
  return result;
}

Text RemoveAll(TextView text, TextView old_text, bool case_sensitive) {
  return ReplaceAll(text, old_text, TextView(), case_sensitive);
}

Text EnsureTrailingBackslash(TextView path) {
  if (path.empty() || path.back() == u'\\') return Text(path);
  Text result(path);
  result += u'\\';
  return result;
}

Text FileExtension(TextView name, bool with_dot) {
  const size_t dot = name.rfind(u'.');
  if (dot == TextView::npos) return {};
  const size_t boundary = name.find_last_of(u"\\:");
  if (boundary != TextView::npos && boundary > dot) return {};
  const TextView extension = name.substr(dot);
  if (with_dot) return Text(extension);
  return RemoveAll(extension, u".", true);
}

Text IntToText(int64_t n) {
  Text digits = DigitsOf(Magnitude(n));
  if (n < 0) digits.insert(digits.begin(), u'-');
  return digits;
}

Text HexText(int32_t n, int32_t digits) {
  static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
  auto bits = static_cast<uint32_t>(n);
  Text hex;
  do {
    hex.insert(hex.begin(), kHexDigits[bits & 0xFu]);
    bits >>= 4;
  } while (bits != 0);
  return PadLeft(hex, u'0', digits);
}

Text RepeatChar(char16_t ch, int32_t n) {
  return RepeatUnits(ch, n);
}

Text PadLeft(TextView text, char16_t ch, int32_t width) {
  Text result = RepeatUnits(ch, int64_t{width} - static_cast<int64_t>(text.size()));
  result += text;
  return result;
}

Text ZeroPad(int64_t n, int32_t width) {
  // A negative number keeps its sign in front of the zeros ("-05"), never "0-5".
  const Text digits = DigitsOf(Magnitude(n));
  const int64_t sign_width = n < 0 ? 1 : 0;
  Text result = n < 0 ? Text(u"-") : Text();
  result += RepeatUnits(u'0', int64_t{width} - sign_width - static_cast<int64_t>(digits.size()));
  result += digits;
  return result;
}

Text FormatCount(int64_t n, TextView thousands_separator) {
  // "#,###;#,###;0": negative numbers show their magnitude without any sign.
  const Text digits = DigitsOf(Magnitude(n));
  Text result;
  result.reserve(digits.size() + (digits.size() / 3) * thousands_separator.size());
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) result += thousands_separator;
    result += digits[i];
  }
  return result;
}

Text FormatCount(int64_t n) {
  return FormatCount(n, LocaleThousandsSeparator());
}

bool Utf8ToText(std::string_view utf8, Text& out) {
  out.clear();
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const Utf8Step step = DecodeUtf8(utf8, at);
    if (!step.valid) {
      out.clear();
      return false;
    }
    AppendCodePoint(out, step.code_point);
    at += step.length;
  }
  return true;
}

Text Utf8ToTextLossy(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const Utf8Step step = DecodeUtf8(utf8, at);
    if (step.valid) {
      AppendCodePoint(out, step.code_point);
    } else {
      out += kReplacement;
    }
    at += step.length;
  }
  return out;
}

std::string TextToUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      const char32_t high = unit - 0xD800u;
      const char32_t low = text[i + 1] - 0xDC00u;
      AppendUtf8(out, 0x10000 + (high << 10) + low);
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

Text AsciiText(std::string_view ascii) {
  // Bytes outside ASCII are not guessed at (they may be UTF-8 or a legacy code page).
  Text out;
  out.reserve(ascii.size());
  for (const char ch : ascii) {
    const auto byte = static_cast<unsigned char>(ch);
    out += byte < 0x80 ? static_cast<char16_t>(byte) : kReplacement;
  }
  return out;
}

}  // namespace sigillo
