// Pins, for as long as this object lives, the locale whose day and month names (and,
// on Windows, thousands separator) the program uses: ICU's default locale here, the
// thread's locale on Windows.
#pragma once

#include <string>

namespace sigillo::test {

class ScopedNamesLocale {
 public:
  // A POSIX locale name such as "sv_SE".
  explicit ScopedNamesLocale(const char* name);
  ~ScopedNamesLocale();
  ScopedNamesLocale(const ScopedNamesLocale&) = delete;
  ScopedNamesLocale& operator=(const ScopedNamesLocale&) = delete;

 private:
  std::string saved_;
};

}  // namespace sigillo::test
