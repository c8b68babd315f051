// Date, time and uptime texts; the locale's names and the clock come from the platform file.
#include "toolz/datetime.h"

namespace sigillo {

Text DateText(const Moment& moment) {
  return ZeroPad(moment.year, 4) + u"-" + ZeroPad(moment.month, 2) + u"-" + ZeroPad(moment.day, 2);
}

Text TimeText(const Moment& moment) {
  return ZeroPad(moment.hour, 2) + u":" + ZeroPad(moment.minute, 2) + u":" +
         ZeroPad(moment.second, 2);
}

Text LongDayName(const Moment& moment) {
  return CapitalizeWords(LocaleDayName(moment.day_of_week), u" ");
}

Text LongMonthName(const Moment& moment) {
  return CapitalizeWords(LocaleMonthName(moment.month), u" ");
}

namespace {

struct UnitWords {
  const char16_t* singular;
  const char16_t* plural;
};

Text CountOf(uint32_t count, const UnitWords& words) {
  return FormatCount(count) + u" " + (count == 1 ? words.singular : words.plural);
}

}  // namespace

Text SpeakableUpTime(uint32_t tick_count, bool swedish) {
  constexpr uint32_t kSecond = 1000;
  constexpr uint32_t kMinute = 60 * kSecond;
  constexpr uint32_t kHour = 60 * kMinute;
  constexpr uint32_t kDay = 24 * kHour;
  try {
    uint32_t rest = tick_count;
    const uint32_t days = rest / kDay;
    rest -= days * kDay;
    const uint32_t hours = rest / kHour;
    rest -= hours * kHour;
    const uint32_t minutes = rest / kMinute;
    rest -= minutes * kMinute;
    const uint32_t seconds = rest / kSecond;  // the milliseconds left over are dropped

    const UnitWords day = swedish ? UnitWords{u"dag", u"dagar"} : UnitWords{u"day", u"days"};
    const UnitWords hour = swedish ? UnitWords{u"timme", u"timmar"} : UnitWords{u"hour", u"hours"};
    const UnitWords minute =
        swedish ? UnitWords{u"minut", u"minuter"} : UnitWords{u"minute", u"minutes"};
    const UnitWords second =
        swedish ? UnitWords{u"sekund", u"sekunder"} : UnitWords{u"second", u"seconds"};
    return CountOf(days, day) + u", " + CountOf(hours, hour) + u", " + CountOf(minutes, minute) +
           (swedish ? u" och " : u" and ") + CountOf(seconds, second);
  } catch (...) {
    return u"N/A";
  }
}

}  // namespace sigillo
