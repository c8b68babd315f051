// The present moment and its texts, and the system uptime in words.
#pragma once

#include <cstdint>

#include "toolz/text.h"

namespace sigillo {

// A local date and time of the Gregorian calendar, to the millisecond.
struct Moment {
  uint16_t year = 1970;
  uint16_t month = 1;  // 1..12
  uint16_t day = 1;    // 1..31
  uint16_t hour = 0;
  uint16_t minute = 0;
  uint16_t second = 0;
  uint16_t millisecond = 0;
  uint16_t day_of_week = 4;  // 0 = Sunday .. 6 = Saturday
};

// The system clock's local time.
Moment CurrentMoment();

// 2011-03-07
Text DateText(const Moment& moment);
// 14:05:09
Text TimeText(const Moment& moment);
// The full weekday and month names of the user's locale, each word capitalised.
Text LongDayName(const Moment& moment);
Text LongMonthName(const Moment& moment);

// The full names as the user's locale writes them (the platform supplies these);
// day_of_week 0 = Sunday, month 1..12. Empty when the locale has none.
Text LocaleDayName(int32_t day_of_week);
Text LocaleMonthName(int32_t month);

// "0 days, 1 hour, 23 minutes and 45 seconds" for a tick count in milliseconds;
// Swedish words when swedish is true. "N/A" if the text cannot be built.
Text SpeakableUpTime(uint32_t tick_count, bool swedish);

}  // namespace sigillo
