#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "cipher/generator.h"

namespace sigillo {
namespace {

TEST(Generator, FirstStatesFromZero) {
  Generator gen;
  std::vector<uint32_t> states;
  for (int i = 0; i < 4; ++i) {
    gen.RandomInt(1);
    states.push_back(static_cast<uint32_t>(gen.RandSeed()));
  }
  EXPECT_EQ(states, (std::vector<uint32_t>{1u, 134775814u, 3698175007u, 870078620u}));
  EXPECT_EQ(gen.Draws(), 4u);
}

struct DrawCase {
  const char* name;
  std::function<int32_t(Generator&)> draw;
  std::vector<int32_t> expected;
};

TEST(Generator, DrawSequencesFromZero) {
  const std::vector<DrawCase> cases = {
      {"RandomInt(100)",
       [](Generator& g) { return g.RandomInt(100); },
       {0, 3, 86, 20, 27, 67, 31, 16, 37, 42}},
      {"RandomBetween(1,6)",
       [](Generator& g) { return g.RandomBetween(1, 6); },
       {1, 1, 6, 2, 2, 5, 2, 1, 3, 3}},
      {"RandomBetween(0,255)",
       [](Generator& g) { return g.RandomBetween(0, 255); },
       {0, 8, 220, 51, 69}},
      {"RandomByte", [](Generator& g) { return int32_t{g.RandomByte()}; }, {0, 8, 220, 51, 69}},
      {"RandomBetween(1,4)",
       [](Generator& g) { return g.RandomBetween(1, 4); },
       {1, 1, 4, 1, 2, 3, 2, 1}},
  };
  for (const auto& c : cases) {
    Generator gen;
    std::vector<int32_t> got;
    for (size_t i = 0; i < c.expected.size(); ++i)
      got.push_back(c.draw(gen));
    EXPECT_EQ(got, c.expected) << c.name;
    EXPECT_EQ(gen.Draws(), c.expected.size()) << c.name;
  }
}

TEST(Generator, DegenerateRangesStillDraw) {
  Generator gen(12345);
  Generator twin(12345);
  EXPECT_EQ(gen.RandomInt(0), 0);
  EXPECT_EQ(gen.RandomBetween(5, 4), 5);
  EXPECT_EQ(gen.Draws(), 2u);
  twin.Skip(2);
  EXPECT_EQ(gen.RandSeed(), twin.RandSeed());
}

TEST(Generator, NegativeCountsReadUnsigned) {
  Generator gen(-1);  // next state: 0xFFFFFFFF * a + 1 = 1 - a (mod 2^32)
  const uint32_t state = 0u - Generator::kMultiplier + 1u;
  const auto expected = static_cast<int32_t>((uint64_t{0xFFFFFFFEu} * state) >> 32);
  EXPECT_EQ(gen.RandomInt(-2), expected);
  // hi < lo - 1: the count wraps to a huge unsigned value rather than failing.
  Generator g2(7);
  g2.RandomBetween(10, 0);
  EXPECT_EQ(g2.Draws(), 1u);
}

TEST(Generator, SkipMatchesSingleDraws) {
  for (uint64_t k : {0ull, 1ull, 2ull, 255ull, 1280ull, 1000003ull}) {
    Generator a(-559038737), b(-559038737);
    for (uint64_t i = 0; i < k; ++i)
      a.RandomInt(1);
    b.Skip(k);
    EXPECT_EQ(a.RandSeed(), b.RandSeed()) << k;
    EXPECT_EQ(a.Draws(), b.Draws()) << k;
  }
}

}  // namespace
}  // namespace sigillo
