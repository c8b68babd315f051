// The local clock (GetLocalTime) and the full day and month names of the thread's
// locale, which starts as the user's locale (GetLocaleInfoW).
#include <windows.h>

#include <iterator>

#include "toolz/datetime.h"
#include "toolz/wide_text.h"

namespace sigillo {
namespace {

Text LocaleName(LCTYPE which) {
  wchar_t name[128] = {};
  if (GetLocaleInfoW(GetThreadLocale(), which, name, static_cast<int>(std::size(name))) <= 0)
    return Text();
  return TextUpToNul(name, std::size(name));
}

}  // namespace

Moment CurrentMoment() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  Moment moment;
  moment.year = now.wYear;
  moment.month = now.wMonth;
  moment.day = now.wDay;
  moment.hour = now.wHour;
  moment.minute = now.wMinute;
  moment.second = now.wSecond;
  moment.millisecond = now.wMilliseconds;
  moment.day_of_week = now.wDayOfWeek;  // 0 = Sunday, as here
  return moment;
}

Text LocaleDayName(int32_t day_of_week) {
  if (day_of_week < 0 || day_of_week > 6) return Text();
  // The locale's list starts on Monday (SDAYNAME1) and ends on Sunday (SDAYNAME7).
  const int32_t from_monday = (day_of_week + 6) % 7;
  return LocaleName(static_cast<LCTYPE>(LOCALE_SDAYNAME1 + from_monday));
}

Text LocaleMonthName(int32_t month) {
  if (month < 1 || month > 12) return Text();
  return LocaleName(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + (month - 1)));
}

}  // namespace sigillo
