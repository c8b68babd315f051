// The thousands separator of the thread's locale, which starts as the user's locale;
// the report shows the same locale's identifier and its day and month names.
#include <windows.h>

#include <iterator>

#include "toolz/text.h"
#include "toolz/wide_text.h"

namespace sigillo {

Text LocaleThousandsSeparator() {
  wchar_t separator[16] = {};
  const int length = GetLocaleInfoW(GetThreadLocale(), LOCALE_STHOUSAND, separator,
                                    static_cast<int>(std::size(separator)));
  if (length <= 0) return u",";
  return TextUpToNul(separator, std::size(separator));
}

}  // namespace sigillo
