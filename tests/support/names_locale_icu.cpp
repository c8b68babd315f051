#include <unicode/locid.h>

#include "support/names_locale.h"

namespace sigillo::test {

ScopedNamesLocale::ScopedNamesLocale(const char* name)
    : saved_(icu::Locale::getDefault().getName()) {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale(name), status);
}

ScopedNamesLocale::~ScopedNamesLocale() {
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale(saved_.c_str()), status);
}

}  // namespace sigillo::test
