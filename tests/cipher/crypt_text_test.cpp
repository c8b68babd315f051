#include <gtest/gtest.h>

#include <vector>

#include "cipher/primitives.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

Text ByteText(size_t n, uint32_t seed) {
  const std::string bytes = test::PatternBytes(n, seed);
  Text t(n, u'\0');
  for (size_t i = 0; i < n; ++i)
    t[i] = static_cast<unsigned char>(bytes[i]);
  return t;
}

// Key derivation cost is fixed by the password; each block costs 256 draws plus
// 4 per character.
uint64_t DrawsOf(TextView data, TextView password) {
  Generator gen;
  CryptText(gen, data, password);
  return gen.Draws();
}

TEST(CryptText, RoundTripsAcrossBlockBoundaries) {
  for (size_t n : {1u, 255u, 256u, 257u, 512u, 513u}) {
    const Text data = ByteText(n, static_cast<uint32_t>(n));
    Generator enc(42), dec(-7);  // the state at entry does not matter
    const Text sealed = CryptText(enc, data, u"hemligt");
    ASSERT_EQ(sealed.size(), n);
    for (char16_t u : sealed)
      EXPECT_LE(u, 0xFFu);
    EXPECT_NE(sealed, data) << n;
    EXPECT_EQ(CryptText(dec, sealed, u"hemligt"), data) << n;
    EXPECT_EQ(enc.RandSeed(), dec.RandSeed()) << n;
  }
}

TEST(CryptText, PrefixProperty) {
  const Text data = ByteText(600, 3);
  Generator gen;
  const Text whole = CryptText(gen, data, u"pw");
  for (size_t k : {1u, 100u, 256u, 257u, 599u}) {
    Generator g;
    EXPECT_EQ(CryptText(g, data.substr(0, k), u"pw"), whole.substr(0, k)) << k;
  }
}

TEST(CryptText, DrawCountsFollowBlocks) {
  const uint64_t base = DrawsOf(u"x", u"pw") - (256 + 4);
  struct Case {
    size_t n;
    uint64_t block_draws;
  };
  for (const auto& c :
       {Case{256, 256 + 4 * 256}, Case{257, 2 * 256 + 4 * 257}, Case{513, 3 * 256 + 4 * 513}}) {
    EXPECT_EQ(DrawsOf(Text(c.n, u'a'), u"pw"), base + c.block_draws) << c.n;
  }
  // The derivation alone costs roughly 280,000 to 290,000 draws.
  EXPECT_GT(base, 250000u);
  EXPECT_LT(base, 320000u);
}

TEST(CryptText, LastCharacterOfSecondBlockUsesFreshShuffleAndZeroFeedback) {
  const Text data = ByteText(257, 9);
  Generator gen;
  const Text sealed = CryptText(gen, data, u"pw");
  // Changing character 256 must not affect character 257: feedback restarts per block.
  Text changed = data;
  changed[255] = static_cast<char16_t>(changed[255] ^ 0x5A);
  Generator g2;
  EXPECT_EQ(CryptText(g2, changed, u"pw")[256], sealed[256]);
}

TEST(CryptText, HighBytesOfDataAreDropped) {
  const Text low = u"abc";
  const Text high = {0x161, 0x4262, 0xFF63};
  Generator a, b, c;
  const Text sealed = CryptText(a, low, u"pw");
  EXPECT_EQ(CryptText(b, high, u"pw"), sealed);
  EXPECT_EQ(CryptText(c, sealed, u"pw"), low);
}

TEST(CryptText, OneCharacterPasswordWorks) {
  Generator a, b;
  const Text sealed = CryptText(a, u"data", u"x");
  EXPECT_EQ(CryptText(b, sealed, u"x"), u"data");
}

TEST(CryptText, EmptyInputsLeaveGeneratorAlone) {
  for (const auto& [data, password] : {std::pair<Text, Text>{u"", u"pw"}, {u"data", u""}}) {
    Generator gen(77);
    EXPECT_EQ(CryptText(gen, data, password), u"");
    EXPECT_EQ(gen.RandSeed(), 77);
    EXPECT_EQ(gen.Draws(), 0u);
  }
}

}  // namespace
}  // namespace sigillo
