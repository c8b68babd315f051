#include "toolz/report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "cipher/primitives.h"
#include "support/names_locale.h"

namespace sigillo {
namespace {

struct FakeDrive {
  Text serial;
  Text file_system;
  Text label;
  int64_t total;
  int64_t free;
};

// Fixed facts; a listed letter without a drive answers with the fallbacks of a failed query.
class FakeFacts : public SystemFacts {
 public:
  TextList letters;
  std::map<Text, FakeDrive> drives;
  uint32_t tick = 3'000'000'000u;
  int32_t cursor_x = -1920;

  TextList DrivesOfType(int32_t type) const override {
    return type == kDriveFixed ? letters : TextList();
  }
  Text VolumeSerialText(TextView letter) const override {
    const FakeDrive* d = Find(letter);
    return d != nullptr ? d->serial : Text(u"0000-0000");
  }
  Text VolumeLabel(TextView letter) const override {
    const FakeDrive* d = Find(letter);
    return d != nullptr ? d->label : Text(u"N/A");
  }
  Text VolumeFileSystem(TextView letter) const override {
    const FakeDrive* d = Find(letter);
    return d != nullptr ? d->file_system : Text(u"N/A");
  }
  int64_t DriveTotalBytes(TextView letter) const override {
    const FakeDrive* d = Find(letter);
    return d != nullptr ? d->total : -1;
  }
  int64_t DriveFreeBytes(TextView letter) const override {
    const FakeDrive* d = Find(letter);
    return d != nullptr ? d->free : -1;
  }
  Text CurrentUserName() const override { return u"user1"; }
  Text CurrentComputerName() const override { return u"PC01"; }
  Text ProgramPath() const override { return u"C:\\Program Files\\prog.exe"; }
  Text ProgramFileName() const override { return FileNameOfPath(ProgramPath(), u"\\:"); }
  uint32_t CurrentProcessId() const override { return 4242; }
  uint32_t CurrentThreadId() const override { return 0xFFFFFFFEu; }
  Text WindowsFolder() const override { return u"C:\\WINDOWS\\"; }
  Text SystemFolder() const override { return u"C:\\WINDOWS\\system32\\"; }
  Text TempFolder() const override { return u"N/A"; }
  int32_t LocaleIdentifier() const override { return 1053; }
  uint32_t OSTickCount() const override { return tick; }
  Text OSName() const override { return u"Windows 7"; }
  int32_t ScreenWidth() const override { return 1280; }
  int32_t ScreenHeight() const override { return 1024; }
  int32_t ScreenRefreshRate() const override { return 60; }
  int32_t ScreenBitsPerPixel() const override { return 32; }
  int32_t CursorX() const override { return cursor_x; }
  int32_t CursorY() const override { return 5; }
  int32_t IdleTime() const override { return 0; }

 private:
  const FakeDrive* Find(TextView letter) const {
    const auto it = drives.find(Text(letter));
    return it != drives.end() ? &it->second : nullptr;
  }
};

// Names of days and months follow the locale; the report tests pin it.
class Report : public ::testing::Test {
 protected:
  // Monday 7 March 2011, 14:05:09.027
  const Moment moment_{2011, 3, 7, 14, 5, 9, 27, 1};
  FakeFacts facts_;

 private:
  test::ScopedNamesLocale locale_{"en_US"};
};

TEST_F(Report, DriveBlockThenTwentyFactLinesExactly) {
  // D cannot be queried, so every volume fact of it is its fallback; E has no label.
  facts_.letters = {u"C", u"D", u"E"};
  facts_.drives[u"C"] = {u"4E2A-91F0", u"NTFS", u"System", 120'031'539'200, 78'056'452'096};
  facts_.drives[u"E"] = {u"1234-ABCD", u"ext4", u"", 1000, 400};

  const Text expected =
      u"C:\\, 4E2A-91F0, NTFS, System, 120,031,539,200 B - 41,975,087,104 B = 78,056,452,096 B\r\n"
      u"D:\\, 0000-0000, N/A, N/A, 1 B - 0 B = 1 B\r\n"
      u"E:\\, 1234-ABCD, ext4, , 1,000 B - 600 B = 400 B\r\n"
      u"\r\nUserName @ ComputerName = user1 @ PC01"
      u"\r\nAppFileTitle = prog"
      u"\r\nCurrent Process ID = 4242"
      u"\r\nCurrent Thread ID = -2"
      u"\r\nWindows Directory = C:\\WINDOWS\\"
      u"\r\nSystem Directory = C:\\WINDOWS\\system32\\"
      u"\r\nTemp Directory = N/A"
      u"\r\nSystem LCID = 1053 ($41D)"
      u"\r\nSystem Date = 2011-03-07"
      u"\r\nSystem Time = 14:05:09"
      u"\r\nMS = 27"
      u"\r\nOS TickCount = 3,000,000,000 MS"
      u"\r\nOS Name = Windows 7"
      u"\r\nGraphics Info = 1,280 * 1,024 @ 60 Hz (32 BPP)"
      u"\r\nCursor X = 1,920"
      u"\r\nCursor Y = 5"
      u"\r\nIdleTime = 0"
      u"\r\nDate Formatted = Monday, 7 March, 2011"
      u"\r\nTime Formatted = 14:05:09"
      u"\r\nSpeakable OS UpTime = 34 dagar, 17 timmar, 20 minuter och 0 sekunder";
  EXPECT_EQ(BuildReportText(facts_, moment_, true, u","), expected);
}

TEST_F(Report, WithoutDrivesTheTextBeginsWithTheUserLine) {
  const Text text = BuildReportText(facts_, moment_, false, u",");
  const Text start = u"\r\nUserName @ ComputerName = user1 @ PC01\r\n";
  EXPECT_EQ(text.substr(0, start.size()), start);
  const Text end = u"\r\nSpeakable OS UpTime = 34 days, 17 hours, 20 minutes and 0 seconds";
  ASSERT_GE(text.size(), end.size());
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST_F(Report, CountsUseTheGivenSeparator) {
  facts_.letters = {u"C"};
  facts_.drives[u"C"] = {u"4E2A-91F0", u"NTFS", u"System", 1'234'567, 1'000};
  const Text text = BuildReportText(facts_, moment_, false, u" ");
  EXPECT_NE(text.find(u"C:\\, 4E2A-91F0, NTFS, System, 1 234 567 B - 1 233 567 B = 1 000 B\r\n"),
            Text::npos);
  EXPECT_NE(text.find(u"\r\nGraphics Info = 1 280 * 1 024 @ 60 Hz (32 BPP)\r\n"), Text::npos);
  EXPECT_NE(text.find(u"\r\nOS TickCount = 3 000 000 000 MS\r\n"), Text::npos);
}

TEST(AlphabetHex, RecodesEachDigitOntoTheAlphabet) {
  struct Case {
    Text text;
    const char16_t* alphabet;
    const char16_t* expected;
  };
  const std::vector<Case> cases = {
      {u"AB", kHexAlphabet, u"4142"},
      {u"AB", kLetterAlphabet, u"LHLJ"},
      {u"AB", kSymbolAlphabet, u"/@/#"},
      {u"", kHexAlphabet, u""},
      {u"", kSymbolAlphabet, u""},
      {u"\u00E5", kHexAlphabet, u"E5"},
      // A code unit above 0xFF gives its three or four digits.
      {u"\u20AC", kHexAlphabet, u"20AC"},
      {u"A\u20AC", kLetterAlphabet, u"LHJGSV"},
      {u"\u20AC", kSymbolAlphabet, u"#!|>"},
      {u"\u0123", kHexAlphabet, u"123"},
      {Text(1, u'\0'), kLetterAlphabet, u"GG"},
      // Digit 8 of the symbol alphabet is the one backslash.
      {u"\u0088\u00FF", kSymbolAlphabet, u"\\\\::"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AlphabetHex(c.text, c.alphabet), Text(c.expected)) << TextToUtf8(c.text);
  }
}

TEST(AlphabetHex, EachRecodingDoublesAByteText) {
  const Text text = u"Sigillo\r\n\u00E5\u00E4\u00F6";
  const Text once = AlphabetHex(text, kHexAlphabet);
  const Text twice = AlphabetHex(once, kLetterAlphabet);
  const Text thrice = AlphabetHex(twice, kSymbolAlphabet);
  EXPECT_EQ(once.size(), 2 * text.size());
  EXPECT_EQ(twice.size(), 4 * text.size());
  EXPECT_EQ(thrice.size(), 8 * text.size());
}

class Mix : public ::testing::Test {
 protected:
  const Text report_ = u"C:\\, 4E2A-91F0, NTFS, System, 1 B - 0 B = 1 B\r\n\r\nUserName = \u00E5";
};

TEST_F(Mix, SeedIsTheDigestOfTheFinalTextOfSymbolsOnly) {
  Generator gen(12345);
  const Text final_text = MixReport(gen, report_);
  EXPECT_EQ(final_text.size(), 8 * report_.size());
  EXPECT_EQ(gen.RandSeed(), TextSeed(final_text));
  EXPECT_EQ(final_text.find_first_not_of(kSymbolAlphabet), Text::npos);
}

TEST_F(Mix, SameStateAndTextGiveTheSameSeedAndOtherStatesAnother) {
  Generator a(777);
  Generator b(777);
  Generator c(778);
  MixReport(a, report_);
  MixReport(b, report_);
  MixReport(c, report_);
  EXPECT_EQ(a.RandSeed(), b.RandSeed());
  EXPECT_EQ(a.Draws(), b.Draws());
  EXPECT_NE(a.RandSeed(), c.RandSeed());
}

TEST_F(Mix, FollowsTheRoundsInOrder) {
  // The same steps spelled out one by one: draw, scramble length × draw, recode.
  Generator expected_gen(-5);
  Text t = report_;
  int32_t r = expected_gen.RandomBetween(32, 64);
  t = ScrambleText(expected_gen, t, static_cast<int32_t>(t.size()) * r);
  t = AlphabetHex(t, u"0123456789ABCDEF");
  r = expected_gen.RandomBetween(16, 32);
  t = ScrambleText(expected_gen, t, static_cast<int32_t>(t.size()) * r);
  t = AlphabetHex(t, u"GHJKLMNPQRSTVWXZ");
  r = expected_gen.RandomBetween(8, 16);
  t = ScrambleText(expected_gen, t, static_cast<int32_t>(t.size()) * r);
  t = AlphabetHex(t, u"!@#$/=?+\\*|<>-_:");
  r = expected_gen.RandomBetween(4, 8);
  t = ScrambleText(expected_gen, t, static_cast<int32_t>(t.size()) * r);
  t = ScrambleText(expected_gen, t, 0);

  Generator gen(-5);
  EXPECT_EQ(MixReport(gen, report_), t);
  EXPECT_EQ(gen.Draws(), expected_gen.Draws());
  EXPECT_EQ(gen.RandSeed(), TextSeed(t));
}

TEST_F(Mix, AnEmptyTextDrawsOnlyTheFourFactorsAndGivesSeedZero) {
  Generator gen(99);
  EXPECT_EQ(MixReport(gen, Text()), Text());
  EXPECT_EQ(gen.Draws(), 4u);
  EXPECT_EQ(gen.RandSeed(), 0);
}

TEST_F(Report, SystemReportReseedsFromTheFacts) {
  Generator gen(1);
  ASSERT_TRUE(SystemReport(gen, facts_, false));
  // Four factors plus two draws per transposition of a text of several hundred units.
  EXPECT_GT(gen.Draws(), 10'000u);
  Generator host_gen(1);
  ASSERT_TRUE(SystemReport(host_gen, HostFacts(), true));
  EXPECT_GT(host_gen.Draws(), 10'000u);
}

}  // namespace
}  // namespace sigillo
