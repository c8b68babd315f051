// The system report and its mixing into the generator.
#include "toolz/report.h"

#include <array>

#include "cipher/primitives.h"

namespace sigillo {

Text AlphabetHex(TextView text, TextView alphabet) {
  Text digits;
  digits.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    digits += HexText(unit, 2);
  }
  // Digit by digit in value order, as the recoding is defined; with the report's alphabets no
  // replacement brings in a digit that a later one would change again.
  const TextView hex = kHexAlphabet;
  for (size_t k = 0; k < hex.size() && k < alphabet.size(); ++k) {
    digits = ReplaceAll(digits, hex.substr(k, 1), alphabet.substr(k, 1), false);
  }
  return digits;
}

namespace {

Text DriveLine(const SystemFacts& facts, const Text& letter, TextView separator) {
  return letter + u":\\, " + facts.VolumeSerialText(letter) + u", " +
         facts.VolumeFileSystem(letter) + u", " + facts.VolumeLabel(letter) + u", " +
         FormatCount(facts.DriveTotalBytes(letter), separator) + u" B - " +
         FormatCount(facts.DriveUsedBytes(letter), separator) + u" B = " +
         FormatCount(facts.DriveFreeBytes(letter), separator) + u" B\r\n";
}

// length × r as the 32-bit signed product, wrapping as the generator's arithmetic does.
int32_t ScrambleCount(const Text& text, int32_t r) {
  return static_cast<int32_t>(static_cast<uint32_t>(text.size()) * static_cast<uint32_t>(r));
}

}  // namespace

Text BuildReportText(const SystemFacts& facts, const Moment& moment, bool swedish,
                     TextView thousands_separator) {
  const auto count = [thousands_separator](int64_t n) {
    return FormatCount(n, thousands_separator);
  };
  Text report;
  for (const Text& letter : facts.DrivesOfType(kDriveFixed)) {
    report += DriveLine(facts, letter, thousands_separator);
  }
  const int32_t lcid = facts.LocaleIdentifier();
  report += u"\r\nUserName @ ComputerName = " + facts.CurrentUserName() + u" @ " +
            facts.CurrentComputerName();
  report += u"\r\nAppFileTitle = " + facts.AppFileTitle();
  report +=
      u"\r\nCurrent Process ID = " + IntToText(static_cast<int32_t>(facts.CurrentProcessId()));
  report += u"\r\nCurrent Thread ID = " + IntToText(static_cast<int32_t>(facts.CurrentThreadId()));
  report += u"\r\nWindows Directory = " + facts.WindowsFolder();
  report += u"\r\nSystem Directory = " + facts.SystemFolder();
  report += u"\r\nTemp Directory = " + facts.TempFolder();
  report += u"\r\nSystem LCID = " + IntToText(lcid) + u" ($" + HexText(lcid, 2) + u")";
  report += u"\r\nSystem Date = " + DateText(moment);
  report += u"\r\nSystem Time = " + TimeText(moment);
  report += u"\r\nMS = " + IntToText(moment.millisecond);
  report += u"\r\nOS TickCount = " + count(facts.OSTickCount()) + u" MS";
  report += u"\r\nOS Name = " + facts.OSName();
  report += u"\r\nGraphics Info = " + count(facts.ScreenWidth()) + u" * " +
            count(facts.ScreenHeight()) + u" @ " + count(facts.ScreenRefreshRate()) + u" Hz (" +
            count(facts.ScreenBitsPerPixel()) + u" BPP)";
  report += u"\r\nCursor X = " + count(facts.CursorX());
  report += u"\r\nCursor Y = " + count(facts.CursorY());
  report += u"\r\nIdleTime = " + count(facts.IdleTime());
  report += u"\r\nDate Formatted = " + LongDayName(moment) + u", " + IntToText(moment.day) + u" " +
            LongMonthName(moment) + u", " + IntToText(moment.year);
  report += u"\r\nTime Formatted = " + ZeroPad(moment.hour, 2) + u":" + ZeroPad(moment.minute, 2) +
            u":" + ZeroPad(moment.second, 2);
  report += u"\r\nSpeakable OS UpTime = " + SpeakableUpTime(facts.OSTickCount(), swedish);
  return report;
}

Text MixReport(Generator& gen, Text text) {
  struct Round {
    int32_t lo;
    int32_t hi;
    const char16_t* alphabet;  // recoding after the scramble; none after the last round
  };
  static constexpr std::array<Round, 4> kRounds{{
      {32, 64, kHexAlphabet},
      {16, 32, kLetterAlphabet},
      {8, 16, kSymbolAlphabet},
      {4, 8, nullptr},
  }};
  for (const Round& round : kRounds) {
    const int32_t r = gen.RandomBetween(round.lo, round.hi);
    text = ScrambleText(gen, text, ScrambleCount(text, r));
    if (round.alphabet != nullptr) text = AlphabetHex(text, round.alphabet);
  }
  text = ScrambleText(gen, text, 0);
  gen.SetRandSeed(TextSeed(text));
  return text;
}

bool SystemReport(Generator& gen, const SystemFacts& facts, bool swedish) {
  try {
    const Moment moment = CurrentMoment();
    MixReport(gen, BuildReportText(facts, moment, swedish, LocaleThousandsSeparator()));
    return true;
  } catch (...) {
    return false;  // e.g. exhausted memory; the generator keeps the draws made so far
  }
}

}  // namespace sigillo
