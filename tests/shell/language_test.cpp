#include "shell/language.h"

#include <gtest/gtest.h>

#include <vector>

namespace sigillo {
namespace {

struct LanguageCase {
  const char* name;
  TextList arguments;
  int32_t locale_id;
  bool swedish;
};

TEST(IsSwedishTest, SwitchesThenLocale) {
  const std::vector<LanguageCase> cases = {
      {"no arguments, Swedish locale", {}, 1053, true},
      {"no arguments, Swedish of Finland", {}, 2077, false},
      {"no arguments, US English", {}, 1033, false},
      {"English switch in small letters beats the locale", {u"/english"}, 1053, false},
      {"Swedish switch in mixed case", {u"/SwEdIsH"}, 1033, true},
      {"first switch decides (Swedish)", {u"/SWEDISH", u"/ENGLISH"}, 1033, true},
      {"first switch decides (English)", {u"/ENGLISH", u"/SWEDISH"}, 1053, false},
      {"file name before a switch", {u"a.txt", u"/ENGLISH"}, 1053, false},
      {"file name after a switch", {u"/swedish", u"a.txt"}, 1033, true},
      {"another first character", {u"-SWEDISH"}, 1033, false},
      {"no slash", {u"SWEDISH"}, 1033, false},
      {"more after the word", {u"/SWEDISHX"}, 1033, false},
      {"a non-switch, then a switch", {u"/ENGLISH2", u"/swedish"}, 1033, true},
      {"only non-switches leave it to the locale", {u"/SWEDISH ", u"x"}, 1053, true},
      {"a blank inside is no switch", {u"/SWEDISH "}, 1033, false},
  };
  for (const LanguageCase& c : cases) {
    EXPECT_EQ(IsSwedishFor(c.arguments, c.locale_id), c.swedish) << c.name;
  }
}

TEST(IsSwedishTest, ReadsTheCommandLineAndTheLocaleSourceAtEveryCall) {
  int32_t locale = 1053;
  SetLocaleSource([&locale] { return locale; });
  SetCommandLine({});
  EXPECT_TRUE(IsSwedish());
  locale = 1033;  // a settings change while the program runs
  EXPECT_FALSE(IsSwedish());
  SetCommandLine({u"/Swedish"});
  EXPECT_TRUE(IsSwedish());
  SetCommandLine({});
  SetLocaleSource(nullptr);
}

TEST(LangStrTest, PicksByFlagAlsoWhenTheChosenTextIsEmpty) {
  EXPECT_EQ(LangStr(true, u"Fel", u"Error"), u"Fel");
  EXPECT_EQ(LangStr(false, u"Fel", u"Error"), u"Error");
  EXPECT_EQ(LangStr(true, u"", u"Error"), u"");
  EXPECT_EQ(LangStr(false, u"Fel", u""), u"");
}

TEST(TextsEqualTest, CaseOnlyWhenAsked) {
  EXPECT_TRUE(TextsEqual(u"/swedish", u"/SWEDISH", false));
  EXPECT_FALSE(TextsEqual(u"/swedish", u"/SWEDISH", true));
  EXPECT_TRUE(TextsEqual(u"/SWEDISH", u"/SWEDISH", true));
  EXPECT_TRUE(TextsEqual(u"lösenord", u"LÖSENORD", false));
  EXPECT_FALSE(TextsEqual(u"/SWEDISH", u"/SWEDIS", false));
  EXPECT_TRUE(TextsEqual(u"", u"", true));
}

}  // namespace
}  // namespace sigillo
