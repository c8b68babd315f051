// The thousands separator of the thread's locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/names_locale.h"
#include "toolz/text.h"

namespace sigillo {
namespace {

TEST(LocaleSeparator, FollowsTheThreadLocale) {
  struct Case {
    const char* locale;
    std::vector<Text> separators;  // any of these
  };
  const std::vector<Case> cases = {
      {"en_US", {u","}},
      {"de_DE", {u"."}},
      {"sv_SE", {u"\u00A0", u"\u202F", u" "}},
  };
  for (const Case& c : cases) {
    const test::ScopedNamesLocale locale(c.locale);
    const Text separator = LocaleThousandsSeparator();
    EXPECT_NE(std::find(c.separators.begin(), c.separators.end(), separator), c.separators.end())
        << c.locale << ": " << TextToUtf8(separator);
    EXPECT_EQ(FormatCount(1234567), u"1" + separator + u"234" + separator + u"567") << c.locale;
    EXPECT_EQ(FormatCount(-1234), u"1" + separator + u"234") << c.locale;
    EXPECT_EQ(FormatCount(999), u"999") << c.locale;
  }
}

}  // namespace
}  // namespace sigillo
