// The clock from GetLocalTime is the local time the C runtime also shows.
#include <gtest/gtest.h>

#include <ctime>

#include "toolz/datetime.h"

namespace sigillo {
namespace {

bool SameMinute(const Moment& m, const std::tm& t) {
  return m.year == t.tm_year + 1900 && m.month == t.tm_mon + 1 && m.day == t.tm_mday &&
         m.hour == t.tm_hour && m.minute == t.tm_min && m.day_of_week == t.tm_wday;
}

TEST(CurrentMoment, IsTheLocalClock) {
  const std::time_t start = std::time(nullptr);
  const std::tm before = *std::localtime(&start);
  const Moment m = CurrentMoment();
  const std::time_t end = std::time(nullptr);
  const std::tm after = *std::localtime(&end);
  EXPECT_TRUE(SameMinute(m, before) || SameMinute(m, after))
      << TextToUtf8(DateText(m)) << " " << TextToUtf8(TimeText(m));
  EXPECT_LE(m.second, 59);
  EXPECT_LE(m.millisecond, 999);
}

}  // namespace
}  // namespace sigillo
