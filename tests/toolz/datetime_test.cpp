#include "toolz/datetime.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/names_locale.h"

namespace sigillo {
namespace {

struct UpTimeCase {
  uint32_t tick;
  bool swedish;
  const char16_t* expected;
};

TEST(SpeakableUpTime, AllUnitsWithSingularOnlyForOne) {
  const std::vector<UpTimeCase> cases = {
      {0, true, u"0 dagar, 0 timmar, 0 minuter och 0 sekunder"},
      {0, false, u"0 days, 0 hours, 0 minutes and 0 seconds"},
      {5'025'000, true, u"0 dagar, 1 timme, 23 minuter och 45 sekunder"},
      {172'860'000, false, u"2 days, 0 hours, 1 minute and 0 seconds"},
      {86'399'999, false, u"0 days, 23 hours, 59 minutes and 59 seconds"},
      {86'400'000, false, u"1 day, 0 hours, 0 minutes and 0 seconds"},
      {90'061'000, true, u"1 dag, 1 timme, 1 minut och 1 sekund"},
      {90'061'000, false, u"1 day, 1 hour, 1 minute and 1 second"},
      // The leftover milliseconds are dropped, never rounded up.
      {1'999, false, u"0 days, 0 hours, 0 minutes and 1 second"},
      // Counts from 2^31 up are unsigned like any other.
      {2'147'483'648u, false, u"24 days, 20 hours, 31 minutes and 23 seconds"},
      {4'294'967'295u, false, u"49 days, 17 hours, 2 minutes and 47 seconds"},
      {4'294'967'295u, true, u"49 dagar, 17 timmar, 2 minuter och 47 sekunder"},
  };
  for (const UpTimeCase& c : cases) {
    EXPECT_EQ(SpeakableUpTime(c.tick, c.swedish), Text(c.expected))
        << c.tick << (c.swedish ? " sv" : " en");
  }
}

TEST(DateAndTimeText, ZeroPaddedNeverCut) {
  struct Case {
    Moment moment;
    const char16_t* date;
    const char16_t* time;
  };
  const std::vector<Case> cases = {
      {{2011, 1, 5, 0, 0, 1, 0, 3}, u"2011-01-05", u"00:00:01"},
      {{2011, 3, 7, 14, 5, 9, 27, 1}, u"2011-03-07", u"14:05:09"},
      {{999, 12, 31, 23, 59, 59, 999, 2}, u"0999-12-31", u"23:59:59"},
      {{12, 10, 10, 10, 10, 10, 0, 0}, u"0012-10-10", u"10:10:10"},
      {{10000, 1, 1, 0, 0, 0, 0, 6}, u"10000-01-01", u"00:00:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(c.moment), Text(c.date));
    EXPECT_EQ(TimeText(c.moment), Text(c.time));
  }
}

TEST(LocaleNames, ComeFromTheLocaleWithEveryWordCapitalised) {
  struct Case {
    const char* locale;
    uint16_t day_of_week;
    uint16_t month;
    const char16_t* day;
    const char16_t* month_name;
  };
  const std::vector<Case> cases = {
      // Swedish writes its names in lower case.
      {"sv_SE", 6, 3, u"Lördag", u"Mars"},
      {"sv_SE", 0, 12, u"Söndag", u"December"},
      {"en_US", 1, 3, u"Monday", u"March"},
      // Only a space starts a word: the letter after a hyphen stays small.
      {"pt_PT", 1, 3, u"Segunda-feira", u"Março"},
      // Several words each get a capital, and the rest of each word is lower-cased.
      {"ga_IE", 5, 9, u"Dé Haoine", u"Meán Fómhair"},
  };
  for (const Case& c : cases) {
    const test::ScopedNamesLocale locale(c.locale);
    Moment moment;
    moment.day_of_week = c.day_of_week;
    moment.month = c.month;
    EXPECT_EQ(LongDayName(moment), Text(c.day)) << c.locale;
    EXPECT_EQ(LongMonthName(moment), Text(c.month_name)) << c.locale;
  }
}

TEST(LocaleNames, OutOfRangeGivesEmpty) {
  EXPECT_EQ(LocaleDayName(7), Text());
  EXPECT_EQ(LocaleDayName(-1), Text());
  EXPECT_EQ(LocaleMonthName(0), Text());
  EXPECT_EQ(LocaleMonthName(13), Text());
}

}  // namespace
}  // namespace sigillo
