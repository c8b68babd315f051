// The thousands separator from the POSIX locale environment, through ICU's data.
#include <gtest/gtest.h>
#include <unicode/uloc.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "toolz/text.h"

namespace sigillo {
namespace {

// Points the locale environment at one locale for the length of a test, then restores it.
class LocaleSeparatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (size_t i = 0; i < std::size(kVariables); ++i) {
      if (saved_[i]) {
        setenv(kVariables[i], saved_[i]->c_str(), 1);
      } else {
        unsetenv(kVariables[i]);
      }
    }
  }
  static void Use(const char* lc_all, const char* lc_numeric, const char* lang) {
    const char* values[] = {lc_all, lc_numeric, lang};
    for (size_t i = 0; i < std::size(kVariables); ++i) {
      if (values[i]) {
        setenv(kVariables[i], values[i], 1);
      } else {
        unsetenv(kVariables[i]);
      }
    }
  }
  // The separator comes from ICU's locale data, which need not match the C library's locales.
  static bool HasLocaleData(const char* icu_name) {
    for (int32_t i = 0; i < uloc_countAvailable(); ++i) {
      if (std::string(uloc_getAvailable(i)) == icu_name) return true;
    }
    return false;
  }

  static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(LocaleSeparatorTest, WorksWithoutAnyLocale) {
  Use(nullptr, nullptr, nullptr);
  const Text separator = LocaleThousandsSeparator();
  EXPECT_LE(separator.size(), 2u);
  EXPECT_EQ(FormatCount(999), u"999");
  Use("C", nullptr, nullptr);
  EXPECT_EQ(FormatCount(0), u"0");
  Use("no_SUCH.UTF-8", nullptr, nullptr);
  EXPECT_EQ(FormatCount(-12), u"12");
}

TEST_F(LocaleSeparatorTest, FollowsTheEnvironment) {
  if (!HasLocaleData("en_US") || !HasLocaleData("de_DE") || !HasLocaleData("sv_SE")) {
    GTEST_SKIP() << "locale data for en_US, de_DE or sv_SE is missing";
  }
  Use(nullptr, nullptr, "en_US.UTF-8");
  EXPECT_EQ(LocaleThousandsSeparator(), u",");
  EXPECT_EQ(FormatCount(1234567), u"1,234,567");
  EXPECT_EQ(FormatCount(-1234), u"1,234");

  Use(nullptr, nullptr, "sv_SE.UTF-8");
  const Text swedish = LocaleThousandsSeparator();
  EXPECT_TRUE(swedish == u"\u00A0" || swedish == u"\u202F" || swedish == u" ")
      << TextToUtf8(swedish);
  EXPECT_EQ(FormatCount(1000), u"1" + swedish + u"000");

  // LC_ALL overrides LC_NUMERIC, which overrides LANG.
  Use(nullptr, "de_DE.UTF-8", "en_US.UTF-8");
  EXPECT_EQ(LocaleThousandsSeparator(), u".");
  Use("en_US.UTF-8", "de_DE.UTF-8", "sv_SE.UTF-8");
  EXPECT_EQ(LocaleThousandsSeparator(), u",");
  Use("de_DE@euro", nullptr, nullptr);
  EXPECT_EQ(LocaleThousandsSeparator(), u".");
}

}  // namespace
}  // namespace sigillo
