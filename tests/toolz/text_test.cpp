#include "toolz/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace sigillo {
namespace {

constexpr int32_t kMin32 = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax32 = std::numeric_limits<int32_t>::max();
constexpr int64_t kMin64 = std::numeric_limits<int64_t>::min();
constexpr int64_t kMax64 = std::numeric_limits<int64_t>::max();

TEST(CaseTest, MapsEveryCodeUnitAndKeepsLength) {
  struct Case {
    Text text, upper, lower;
  };
  const std::vector<Case> cases = {
      {u"", u"", u""},
      {u"abc XYZ 123!", u"ABC XYZ 123!", u"abc xyz 123!"},
      {u"åäö ÅÄÖ", u"ÅÄÖ ÅÄÖ", u"åäö åäö"},
      // Simple mapping: no expansion to "SS", so the length never changes.
      {u"straße", u"STRAßE", u"straße"},
      {u"\u00FF\u0178", u"\u0178\u0178", u"\u00FF\u00FF"},
      {u"é\u0391\u03B1", u"É\u0391\u0391", u"é\u03B1\u03B1"},
      // A surrogate pair (U+1D400) and lone surrogates map to themselves.
      {u"a\U0001D400b", u"A\U0001D400B", u"a\U0001D400b"},
      {Text{u'x', char16_t{0xD800}, u'y', char16_t{0xDC00}},
       Text{u'X', char16_t{0xD800}, u'Y', char16_t{0xDC00}},
       Text{u'x', char16_t{0xD800}, u'y', char16_t{0xDC00}}},
      {Text(1, u'\0') + u"q", Text(1, u'\0') + u"Q", Text(1, u'\0') + u"q"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UpperText(c.text), c.upper) << TextToUtf8(c.text);
    EXPECT_EQ(LowerText(c.text), c.lower) << TextToUtf8(c.text);
  }
}

TEST(CaseTest, CapitalizeWords) {
  struct Case {
    Text text, separators, expected;
  };
  const std::vector<Case> cases = {
      {u"mars", u" ", u"Mars"},
      {u"DE LA", u" ", u"De La"},
      {u"north-east", u" ", u"North-east"},
      {u"north-east", u" -", u"North-East"},
      {u"", u" ", u""},
      {u"  two  spaces ", u" ", u"  Two  Spaces "},
      {u"åsa ÖBERG", u" ", u"Åsa Öberg"},
      // Separators compare exactly: an upper-case separator does not match its lower case.
      {u"axbXc", u"x", u"AxBxc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CapitalizeWords(c.text, c.separators), c.expected) << TextToUtf8(c.text);
  }
}

TEST(CutTest, CopyText) {
  struct Case {
    Text text;
    int32_t position, count;
    Text expected;
  };
  const std::vector<Case> cases = {
      {u"abcdef", 2, 3, u"bcd"},
      {u"abcdef", -1, 3, u"abc"},
      {u"abcdef", 0, 2, u"ab"},
      {u"abcdef", 5, 10, u"ef"},
      {u"abcdef", 6, 1, u"f"},
      {u"abcdef", 7, 1, u""},
      {u"abcdef", 1, 0, u""},
      {u"abcdef", 1, -4, u""},
      {u"", 1, 1, u""},
      {u"abcdef", kMin32, kMax32, u"abcdef"},
      {u"abcdef", kMax32, kMax32, u""},
      {u"abcdef", 3, kMin32, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CopyText(c.text, c.position, c.count), c.expected)
        << "position " << c.position << " count " << c.count;
  }
}

TEST(CutTest, LeftAndRightText) {
  struct Case {
    Text text;
    int32_t n;
    Text left, right;
  };
  const std::vector<Case> cases = {
      {u"abc", 0, u"", u""},
      {u"abc", 1, u"a", u"c"},
      {u"abc", 2, u"ab", u"bc"},
      {u"abc", 3, u"abc", u"abc"},
      {u"abc", 5, u"abc", u"abc"},
      {u"abc", -1, u"", u""},
      {u"abc", kMax32, u"abc", u"abc"},
      {u"abc", kMin32, u"", u""},
      {u"", 2, u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LeftText(c.text, c.n), c.left) << "n " << c.n;
    EXPECT_EQ(RightText(c.text, c.n), c.right) << "n " << c.n;
  }
}

TEST(JoinSplitTest, JoinText) {
  struct Case {
    Text joined, item, separator, expected;
  };
  const std::vector<Case> cases = {
      {u"", u"C", u"\r\n", u"C"},
      {u"C", u"D", u"\r\n", u"C\r\nD"},
      {u"C\r\nD", u"E", u"\r\n", u"C\r\nD\r\nE"},
      {u"a", u"b", u"", u"ab"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(JoinText(c.joined, c.item, c.separator), c.expected);
  }
}

TEST(JoinSplitTest, SplitTextDropsEmptyPieces) {
  struct Case {
    Text text, separator;
    TextList expected;
  };
  const std::vector<Case> cases = {
      {u"C\r\nD", u"\r\n", {u"C", u"D"}},
      {u"\r\nC\r\n\r\nD\r\n", u"\r\n", {u"C", u"D"}},
      {u"whole text", u"\r\n", {u"whole text"}},
      {u"", u"\r\n", {}},
      {u"abc", u"", {}},
      {u"\r\n", u"\r\n", {}},
      {u"a,b,,c,", u",", {u"a", u"b", u"c"}},
      // A lone CR or LF is not the separator.
      {u"a\rb\nc", u"\r\n", {u"a\rb\nc"}},
      // The search is case-sensitive.
      {u"aXbxc", u"x", {u"aXb", u"c"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitText(c.text, c.separator), c.expected) << TextToUtf8(c.text);
  }
}

TEST(ReplaceTest, ReplaceAll) {
  struct Case {
    Text text, old_text, new_text;
    bool case_sensitive;
    Text expected;
  };
  const std::vector<Case> cases = {
      {u"abc", u"", u"x", true, u""},
      {u"abc", u"", u"x", false, u""},
      {u"", u"a", u"x", true, u""},
      {u"", u"a", u"x", false, u""},
      {u"aXa", u"x", u"yy", false, u"ayya"},
      {u"aXa", u"x", u"yy", true, u"aXa"},
      {u"aaa", u"aa", u"b", true, u"ba"},
      {u"aaa", u"AA", u"b", false, u"ba"},
      // Inserted text is not scanned again.
      {u"aa", u"a", u"aa", true, u"aaaa"},
      {u"no match", u"zz", u"x", true, u"no match"},
      // Kept parts keep their own case.
      {u"Hello WORLD, world", u"World", u"there", false, u"Hello there, there"},
      {u"Åsa och åsa", u"ÅSA", u"Eva", false, u"Eva och Eva"},
      {u"Åsa och åsa", u"åsa", u"Eva", true, u"Åsa och Eva"},
      {u"a.b.c", u".", u"", true, u"abc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceAll(c.text, c.old_text, c.new_text, c.case_sensitive), c.expected)
        << TextToUtf8(c.text) << " / " << TextToUtf8(c.old_text) << " / " << c.case_sensitive;
  }
}

TEST(ReplaceTest, RemoveAll) {
  EXPECT_EQ(RemoveAll(u"a-b-c", u"-", true), u"abc");
  EXPECT_EQ(RemoveAll(u"aXbxc", u"x", false), u"abc");
  EXPECT_EQ(RemoveAll(u"aXbxc", u"x", true), u"aXbc");
  EXPECT_EQ(RemoveAll(u"", u"x", true), u"");
  EXPECT_EQ(RemoveAll(u"abc", u"", true), u"");
}

TEST(PathTest, EnsureTrailingBackslash) {
  struct Case {
    Text path, expected;
  };
  const std::vector<Case> cases = {
      {u"C:\\Temp", u"C:\\Temp\\"},
      {u"C:\\Temp\\", u"C:\\Temp\\"},
      {u"", u""},
      {u"C:", u"C:\\"},
      {u"\\", u"\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EnsureTrailingBackslash(c.path), c.expected) << TextToUtf8(c.path);
  }
}

TEST(PathTest, FileExtension) {
  struct Case {
    Text name;
    bool with_dot;
    Text expected;
  };
  const std::vector<Case> cases = {
      {u"prog.exe", false, u"exe"},
      {u"prog.exe", true, u".exe"},
      {u"C:\\dir.d\\name", true, u""},
      {u"C:\\dir.d\\name", false, u""},
      {u".profile", true, u".profile"},
      {u".profile", false, u"profile"},
      {u"a.tar.gz", true, u".gz"},
      {u"a.tar.gz", false, u"gz"},
      {u"name", true, u""},
      {u"", true, u""},
      {u"name.", true, u"."},
      {u"name.", false, u""},
      {u"C:\\dir\\file.TXT", false, u"TXT"},
      // A dot before a drive colon or an alternate stream colon is not an extension.
      {u"a.b:stream", true, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileExtension(c.name, c.with_dot), c.expected)
        << TextToUtf8(c.name) << " with_dot " << c.with_dot;
  }
}

TEST(NumberTest, IntToText) {
  struct Case {
    int64_t n;
    Text expected;
  };
  const std::vector<Case> cases = {
      {0, u"0"},
      {7, u"7"},
      {-7, u"-7"},
      {1234567, u"1234567"},
      {kMax32, u"2147483647"},
      {kMin32, u"-2147483648"},
      {kMax64, u"9223372036854775807"},
      {kMin64, u"-9223372036854775808"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IntToText(c.n), c.expected) << c.n;
}

TEST(NumberTest, HexText) {
  struct Case {
    int32_t n, digits;
    Text expected;
  };
  const std::vector<Case> cases = {
      {1053, 2, u"41D"},         {0, 4, u"0000"},          {0, 0, u"0"},
      {255, 1, u"FF"},           {255, 4, u"00FF"},        {-1, 2, u"FFFFFFFF"},
      {-1, 10, u"00FFFFFFFF"},   {kMin32, 0, u"80000000"}, {kMax32, 0, u"7FFFFFFF"},
      {0xABCDEF, -3, u"ABCDEF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HexText(c.n, c.digits), c.expected) << c.n << " digits " << c.digits;
  }
}

TEST(NumberTest, RepeatCharAndPadLeft) {
  EXPECT_EQ(RepeatChar(u'*', 3), u"***");
  EXPECT_EQ(RepeatChar(u'*', 0), u"");
  EXPECT_EQ(RepeatChar(u'*', kMin32), u"");
  EXPECT_EQ(PadLeft(u"7", u' ', 3), u"  7");
  EXPECT_EQ(PadLeft(u"1234", u'0', 2), u"1234");
  EXPECT_EQ(PadLeft(u"", u'x', 2), u"xx");
  EXPECT_EQ(PadLeft(u"ab", u'x', kMin32), u"ab");
}

TEST(NumberTest, ZeroPad) {
  struct Case {
    int64_t n;
    int32_t width;
    Text expected;
  };
  const std::vector<Case> cases = {
      {7, 2, u"07"},
      {0, 4, u"0000"},
      {2011, 2, u"2011"},
      {59, 2, u"59"},
      {5, 0, u"5"},
      {5, kMin32, u"5"},
      {kMax64, 20, u"09223372036854775807"},
      // The sign stays in front of the zeros.
      {-5, 3, u"-05"},
      {-5, 1, u"-5"},
      {kMin64, 21, u"-09223372036854775808"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZeroPad(c.n, c.width), c.expected) << c.n << " width " << c.width;
  }
}

TEST(NumberTest, FormatCountWithSeparator) {
  struct Case {
    int64_t n;
    Text separator, expected;
  };
  const std::vector<Case> cases = {
      {0, u" ", u"0"},
      {999, u" ", u"999"},
      {1000, u" ", u"1 000"},
      {-1234, u",", u"1,234"},
      {-1, u",", u"1"},
      {1234567, u",", u"1,234,567"},
      {123456, u",", u"123,456"},
      {12345, u"\u00A0", u"12\u00A0345"},
      {1234567, u"\u00A0", u"1\u00A0234\u00A0567"},
      {1234567, u"", u"1234567"},
      {1234567, u"::", u"1::234::567"},
      {-999, u",", u"999"},
      {-1000, u" ", u"1 000"},
      {kMax64, u",", u"9,223,372,036,854,775,807"},
      {kMin64, u",", u"9,223,372,036,854,775,808"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatCount(c.n, c.separator), c.expected) << c.n;
  }
}

TEST(Utf8Test, ValidInput) {
  struct Case {
    std::string utf8;
    Text text;
  };
  const std::vector<Case> cases = {
      {"", u""},
      {"abc", u"abc"},
      {std::string("a\0b", 3), Text(u"a\0b", 3)},
      {"\xC3\xA5\xC3\xA4\xC3\xB6", u"åäö"},
      {"\xE2\x82\xAC", u"€"},
      {"\xEF\xBF\xBF", u"\uFFFF"},
      {"\xED\x9F\xBF", u"\uD7FF"},
      {"\xEE\x80\x80", u"\uE000"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xF0\x90\x80\x80", u"\U00010000"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
      {"\xC2\x80\xDF\xBF", u"\u0080\u07FF"},
  };
  for (const Case& c : cases) {
    Text text = u"stale";
    EXPECT_TRUE(Utf8ToText(c.utf8, text)) << c.utf8;
    EXPECT_EQ(text, c.text) << c.utf8;
    EXPECT_EQ(Utf8ToTextLossy(c.utf8), c.text) << c.utf8;
    EXPECT_EQ(TextToUtf8(c.text), c.utf8) << c.utf8;
  }
  EXPECT_EQ(Text(u"\U0001F600"), (Text{char16_t{0xD83D}, char16_t{0xDE00}}));
}

TEST(Utf8Test, InvalidInputIsRejectedOrReplaced) {
  struct Case {
    const char* what;
    std::string utf8;
    Text lossy;  // One U+FFFD for each maximal ill-formed subpart.
  };
  const std::vector<Case> cases = {
      {"lone continuation", "a\x80z", u"a\uFFFDz"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong two-byte", "\xC1\xBF", u"\uFFFD\uFFFD"},
      {"overlong three-byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"overlong four-byte", "\xF0\x8F\xBF\xBF", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"encoded high surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded low surrogate", "\xED\xBF\xBF", u"\uFFFD\uFFFD\uFFFD"},
      {"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"lead F5", "\xF5\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"byte FF", "a\xFF", u"a\uFFFD"},
      {"truncated two-byte at end", "a\xC3", u"a\uFFFD"},
      {"truncated three-byte at end", "\xE2\x82", u"\uFFFD"},
      {"truncated four-byte at end", "\xF0\x9F\x98", u"\uFFFD"},
      {"truncated before ASCII", "\xE2\x82z", u"\uFFFDz"},
      {"truncated before valid", "\xC3\xC3\xA5", u"\uFFFDå"},
  };
  for (const Case& c : cases) {
    Text text = u"stale";
    EXPECT_FALSE(Utf8ToText(c.utf8, text)) << c.what;
    EXPECT_TRUE(text.empty()) << c.what;
    EXPECT_EQ(Utf8ToTextLossy(c.utf8), c.lossy) << c.what;
  }
}

TEST(Utf8Test, LoneSurrogatesBecomeReplacementCharacter) {
  struct Case {
    Text text;
    std::string utf8;
  };
  const std::vector<Case> cases = {
      {Text{u'a', char16_t{0xD83D}}, "a\xEF\xBF\xBD"},
      {Text{char16_t{0xDE00}, u'a'},
       "\xEF\xBF\xBD"
       "a"},
      {Text{char16_t{0xDE00}, char16_t{0xD83D}}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
      {Text{char16_t{0xD83D}, char16_t{0xD83D}, char16_t{0xDE00}}, "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TextToUtf8(c.text), c.utf8);
}

TEST(Utf8Test, AsciiText) {
  EXPECT_EQ(AsciiText(""), u"");
  EXPECT_EQ(AsciiText("$QZ2048$"), u"$QZ2048$");
  EXPECT_EQ(AsciiText(std::string("\0\x7F", 2)), Text(u"\0\u007F", 2));
  EXPECT_EQ(AsciiText("a\xC3\xA5"), u"a\uFFFD\uFFFD");
}

}  // namespace
}  // namespace sigillo
