#include <gtest/gtest.h>

#include <vector>

#include "cipher/primitives.h"

namespace sigillo {
namespace {

TEST(RandomText, Vectors) {
  struct Case {
    int32_t seed;
    int32_t length;
    Text symbols;
    bool one_per_class;
    Text expected;
    uint64_t draws;
  };
  const std::vector<Case> cases = {
      {0, 8, kSymbols, true, u"a+yz1+W5", 1321},
      {1, 8, kSymbols, true, u"-Y21Nx2-", 1101},
      {0, 16, u"", true, u"2GimKm924tB8V175", 4437},
      {0, 4, kSymbols, true, u"Wy1+", 125},
      {0, 2, kSymbols, true, u"Wy", 103},
      {0, 0, kSymbols, true, u"", 89},
      {0, 8, kSymbols, false, u"%t?atQ09", 2623},
  };
  for (const auto& c : cases) {
    Generator gen(c.seed);
    const Text got =
        RandomText(gen, c.length, kLetters, kDigits, c.symbols, true, true, c.one_per_class);
    EXPECT_EQ(got, c.expected) << "seed " << c.seed << " length " << c.length;
    EXPECT_EQ(gen.Draws(), c.draws) << "seed " << c.seed << " length " << c.length;
  }
}

TEST(RandomText, NoUsableClassIsRefusedInsteadOfLooping) {
  Generator gen;
  EXPECT_EQ(RandomText(gen, 5, u"ABC", u"", u"", false, false, true), u"");
}

TEST(RandomText, CallerAlphabetsAreNotChanged) {
  const Text letters = kLetters;
  Generator gen;
  RandomText(gen, 32, letters, kDigits, kSymbols, true, true, true);
  EXPECT_EQ(letters, Text(kLetters));
}

}  // namespace
}  // namespace sigillo
