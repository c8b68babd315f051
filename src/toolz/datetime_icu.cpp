// The clock and the locale's day and month names through ICU. ICU's default
// locale follows the POSIX environment (LC_ALL, LC_MESSAGES, LANG) and its default
// time zone the system's, so these are the user's settings.
#include <unicode/dtfmtsym.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <memory>

#include "toolz/datetime.h"

namespace sigillo {
namespace {

// The moment in UTC, for the unlikely case that ICU cannot build a calendar.
Moment UtcMoment() {
  using namespace std::chrono;
  const auto now = time_point_cast<milliseconds>(system_clock::now());
  const sys_days today = floor<days>(now);
  const year_month_day date(today);
  const hh_mm_ss clock(now - today);
  Moment moment;
  moment.year = static_cast<uint16_t>(static_cast<int>(date.year()));
  moment.month = static_cast<uint16_t>(static_cast<unsigned>(date.month()));
  moment.day = static_cast<uint16_t>(static_cast<unsigned>(date.day()));
  moment.hour = static_cast<uint16_t>(clock.hours().count());
  moment.minute = static_cast<uint16_t>(clock.minutes().count());
  moment.second = static_cast<uint16_t>(clock.seconds().count());
  moment.millisecond = static_cast<uint16_t>(clock.subseconds().count());
  moment.day_of_week = static_cast<uint16_t>(weekday(today).c_encoding());
  return moment;
}

Text FromUnicode(const icu::UnicodeString& text) {
  return Text(text.getBuffer(), static_cast<size_t>(text.length()));
}

// Stand-alone names: the forms a name takes on its own (nominative months in Slavic
// locales), as the user's regional settings list them.
std::unique_ptr<icu::DateFormatSymbols> LocaleSymbols() {
  UErrorCode status = U_ZERO_ERROR;
  auto symbols = std::make_unique<icu::DateFormatSymbols>(icu::Locale::getDefault(), status);
  if (U_FAILURE(status)) return nullptr;
  return symbols;
}

}  // namespace

Moment CurrentMoment() {
  UErrorCode status = U_ZERO_ERROR;
  // Gregorian explicitly: a Thai or Japanese locale would otherwise choose its own calendar.
  icu::GregorianCalendar calendar(icu::TimeZone::createDefault(), status);
  if (U_FAILURE(status)) return UtcMoment();
  calendar.setTime(icu::Calendar::getNow(), status);
  const auto field = [&](UCalendarDateFields which) {
    return static_cast<uint16_t>(calendar.get(which, status));
  };
  Moment moment;
  moment.year = field(UCAL_YEAR);
  moment.month = static_cast<uint16_t>(field(UCAL_MONTH) + 1);
  moment.day = field(UCAL_DATE);
  moment.hour = field(UCAL_HOUR_OF_DAY);
  moment.minute = field(UCAL_MINUTE);
  moment.second = field(UCAL_SECOND);
  moment.millisecond = field(UCAL_MILLISECOND);
  moment.day_of_week = static_cast<uint16_t>(field(UCAL_DAY_OF_WEEK) - UCAL_SUNDAY);
  return U_FAILURE(status) ? UtcMoment() : moment;
}

Text LocaleDayName(int32_t day_of_week) {
  const auto symbols = LocaleSymbols();
  if (!symbols || day_of_week < 0 || day_of_week > 6) return Text();
  int32_t count = 0;
  // Indexed by UCAL_SUNDAY (1) .. UCAL_SATURDAY (7).
  const icu::UnicodeString* names =
      symbols->getWeekdays(count, icu::DateFormatSymbols::STANDALONE, icu::DateFormatSymbols::WIDE);
  const int32_t index = UCAL_SUNDAY + day_of_week;
  return names != nullptr && index < count ? FromUnicode(names[index]) : Text();
}

Text LocaleMonthName(int32_t month) {
  const auto symbols = LocaleSymbols();
  if (!symbols || month < 1 || month > 12) return Text();
  int32_t count = 0;
  const icu::UnicodeString* names =
      symbols->getMonths(count, icu::DateFormatSymbols::STANDALONE, icu::DateFormatSymbols::WIDE);
  return names != nullptr && month - 1 < count ? FromUnicode(names[month - 1]) : Text();
}

}  // namespace sigillo
