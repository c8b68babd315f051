#include <gtest/gtest.h>

#include <vector>

#include "cipher/primitives.h"

namespace sigillo {
namespace {

TEST(TextSeed, KnownValues) {
  struct Case {
    Text text;
    uint32_t seed;
  };
  for (const auto& c :
       {Case{u"abc", 0x352441C2u}, Case{u"123456789", 0xCBF43926u}, Case{u"", 0u}}) {
    EXPECT_EQ(static_cast<uint32_t>(TextSeed(c.text)), c.seed);
  }
  EXPECT_LT(TextSeed(u"123456789"), 0);  // negative as a signed value
}

TEST(TextSeed, WideUnitsFoldByLowByteAndMakeNoDraws) {
  EXPECT_EQ(TextSeed(u"\u0161\u0162\u0163"), TextSeed(u"abc"));
}

TEST(ScrambleText, Vectors) {
  struct Case {
    int32_t seed;
    Text text;
    int32_t count;
    Text expected;
    uint64_t draws;
  };
  const std::vector<Case> cases = {
      {0, u"ABCDEF", 0, u"CAEDFB", 12},
      {0, u"ABCDEF", 3, u"AECDFB", 6},
      {0, u"ABCDEF", 1, u"ABCDEF", 2},
      {0, u"AB", 0, u"BA", 4},
      {1, u"password", 0, u"podswars", 16},
      {0, u"X", 5, u"X", 0},
      {0, u"", 0, u"", 0},
      {0, u"ABCDEF", -1, u"ABCDEF", 0},
  };
  for (const auto& c : cases) {
    Generator gen(c.seed);
    EXPECT_EQ(ScrambleText(gen, c.text, c.count), c.expected);
    EXPECT_EQ(gen.Draws(), c.draws);
  }
  Generator gen;
  ScrambleText(gen, u"ABCDEF", 0);
  EXPECT_EQ(static_cast<uint32_t>(gen.RandSeed()), 0x798C1A94u);
}

TEST(MergeText, Vectors) {
  struct Case {
    Text a, b, expected;
  };
  const std::vector<Case> cases = {
      {u"abc", Text{1, 2}, Text{0x60, 0x60, 0x62}},
      {u"abcd", u"XY", Text{0x39, 0x3B, 0x3B, 0x3D}},
      {Text{0x141, 0x42}, Text{0x101}, Text{0x40, 0x43}},
      {u"same", u"same", Text(4, u'\0')},
      {u"", u"xy", u""},
      {u"xy", u"", u""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MergeText(c.a, c.b), c.expected);
}

TEST(ShuffleBytes, Vectors) {
  struct Case {
    int32_t seed;
    std::vector<uint8_t> expected;
  };
  const std::vector<Case> cases = {
      {0, {1, 7, 2, 0, 6, 5, 4, 3}},
      {1, {0, 1, 7, 6, 5, 3, 2, 4}},
      {0, {2, 0, 3, 1}},
      {0, {0}},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> buffer(c.expected.size());
    for (size_t i = 0; i < buffer.size(); ++i)
      buffer[i] = static_cast<uint8_t>(i);
    Generator gen(c.seed);
    ShuffleBytes(gen, buffer.data(), static_cast<int32_t>(buffer.size()) - 1);
    EXPECT_EQ(buffer, c.expected);
    EXPECT_EQ(gen.Draws(), c.expected.size());
  }
  Generator gen;
  uint8_t unused = 9;
  ShuffleBytes(gen, &unused, -1);
  EXPECT_EQ(gen.Draws(), 0u);
}

}  // namespace
}  // namespace sigillo
