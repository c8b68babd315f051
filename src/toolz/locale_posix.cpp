// The user's thousands separator from the POSIX locale environment, read through ICU's locale
// data so that it works whether or not the C library has the locale installed.
#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>

#include <cstdlib>
#include <string>

#include "toolz/text.h"

namespace sigillo {

namespace {

// The numeric locale as POSIX resolves it: LC_ALL, then LC_NUMERIC, then LANG. It is read on
// every call rather than through ICU's default locale, which is fixed at its first use.
std::string NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

// "sv_SE.UTF-8@euro" -> "sv_SE"; C, POSIX and an unset locale become ICU's en_US_POSIX.
icu::Locale IcuLocale(const std::string& posix_name) {
  const std::string base = posix_name.substr(0, posix_name.find_first_of(".@"));
  if (base.empty() || base == "C" || base == "POSIX") return icu::Locale("en_US_POSIX");
  return icu::Locale(base.c_str());
}

}  // namespace

Text LocaleThousandsSeparator() {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols symbols(IcuLocale(NumericLocaleName()), status);
  if (U_FAILURE(status)) return u",";
  const icu::UnicodeString& separator =
      symbols.getConstSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol);
  return Text(separator.getBuffer(), static_cast<size_t>(separator.length()));
}

}  // namespace sigillo
