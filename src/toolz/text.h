// Text and number helpers shared by every subsystem.
// Texts are UTF-16; positions are 1-based and lengths count code units.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sigillo {

using Text = std::u16string;
using TextView = std::u16string_view;
using TextList = std::vector<Text>;

// Case mapping, one code unit at a time (simple mapping of the platform's Unicode tables).
Text UpperText(TextView text);
Text LowerText(TextView text);
Text CapitalizeWords(TextView text, TextView separators);

Text CopyText(TextView text, int32_t position, int32_t count);
Text LeftText(TextView text, int32_t n);
Text RightText(TextView text, int32_t n);
Text JoinText(TextView joined, TextView item, TextView separator);
TextList SplitText(TextView text, TextView separator);

Text ReplaceAll(TextView text, TextView old_text, TextView new_text, bool case_sensitive);
Text RemoveAll(TextView text, TextView old_text, bool case_sensitive);

Text EnsureTrailingBackslash(TextView path);
Text FileExtension(TextView name, bool with_dot);

Text IntToText(int64_t n);
Text HexText(int32_t n, int32_t digits);
Text RepeatChar(char16_t ch, int32_t n);
Text PadLeft(TextView text, char16_t ch, int32_t width);
// A negative n keeps its sign before the zeros: ZeroPad(-5, 3) is "-05".
Text ZeroPad(int64_t n, int32_t width);

// "#,###;#,###;0": grouped digits of |n|, no sign; "0" for zero.
Text FormatCount(int64_t n, TextView thousands_separator);
// The same with the user's locale separator.
Text FormatCount(int64_t n);
// Thousands separator of the user's locale (from the environment's locale).
Text LocaleThousandsSeparator();

// Conversions at the edges of the program (command line, file names, terminal).
// Utf8ToText returns false (and leaves out empty) for invalid UTF-8.
[[nodiscard]] bool Utf8ToText(std::string_view utf8, Text& out);
// One U+FFFD for each ill-formed part of the input.
Text Utf8ToTextLossy(std::string_view utf8);
// Lone surrogates become U+FFFD.
std::string TextToUtf8(TextView text);
// Bytes outside ASCII become U+FFFD.
Text AsciiText(std::string_view ascii);

}  // namespace sigillo
