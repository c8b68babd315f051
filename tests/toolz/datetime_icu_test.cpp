// The clock through ICU follows the time zone of the environment.
#include <gtest/gtest.h>
#include <unicode/timezone.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

#include "toolz/datetime.h"

namespace sigillo {
namespace {

// A zone half an hour off UTC shows whether the moment is local time.
class LocalZone : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists("/usr/share/zoneinfo/Asia/Kolkata")) {
      GTEST_SKIP() << "no time zone data";
    }
    const char* tz = std::getenv("TZ");
    saved_ = tz != nullptr ? std::optional<std::string>(tz) : std::nullopt;
    Apply("Asia/Kolkata");
  }
  void TearDown() override {
    if (saved_) {
      Apply(saved_->c_str());
    } else {
      unsetenv("TZ");
      tzset();
      icu::TimeZone::adoptDefault(icu::TimeZone::detectHostTimeZone());
    }
  }

 private:
  static void Apply(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
    icu::TimeZone::adoptDefault(icu::TimeZone::detectHostTimeZone());
  }
  std::optional<std::string> saved_;
};

bool SameMinute(const Moment& m, const std::tm& t) {
  return m.year == t.tm_year + 1900 && m.month == t.tm_mon + 1 && m.day == t.tm_mday &&
         m.hour == t.tm_hour && m.minute == t.tm_min && m.day_of_week == t.tm_wday;
}

TEST_F(LocalZone, CurrentMomentIsTheLocalClock) {
  std::tm before{};
  std::tm after{};
  const std::time_t start = std::time(nullptr);
  localtime_r(&start, &before);
  const Moment m = CurrentMoment();
  const std::time_t end = std::time(nullptr);
  localtime_r(&end, &after);
  EXPECT_TRUE(SameMinute(m, before) || SameMinute(m, after))
      << TextToUtf8(DateText(m)) << " " << TextToUtf8(TimeText(m));
  EXPECT_LE(m.second, 60);
  EXPECT_LE(m.millisecond, 999);
}

}  // namespace
}  // namespace sigillo
