#include <windows.h>

#include "support/names_locale.h"
#include "toolz/facts.h"

namespace sigillo::test {

ScopedNamesLocale::ScopedNamesLocale(const char* name) : saved_(std::to_string(GetThreadLocale())) {
  SetThreadLocale(static_cast<LCID>(LocaleIdFromPosixName(name)));
}

ScopedNamesLocale::~ScopedNamesLocale() {
  SetThreadLocale(static_cast<LCID>(std::stoul(saved_)));
}

}  // namespace sigillo::test
