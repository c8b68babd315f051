#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "cipher/crc32.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

std::span<const uint8_t> Bytes(std::string_view s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

uint32_t BitwiseCrc(std::string_view s) {
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : s) {
    c ^= b;
    for (int i = 0; i < 8; ++i)
      c = (c & 1u) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
  }
  return ~c;
}

TEST(Crc32, KnownValues) {
  struct Case {
    std::string_view data;
    uint32_t crc;
  };
  for (const auto& c : {Case{"", 0u}, Case{"abc", 0x352441C2u}, Case{"123456789", 0xCBF43926u},
                        Case{"The quick brown fox jumps over the lazy dog", 0x414FA339u}}) {
    EXPECT_EQ(Crc32::Of(Bytes(c.data)), c.crc) << c.data;
  }
}

// The sliced path must agree with the bit-by-bit definition at every length and
// however the data is cut into updates.
TEST(Crc32, SlicedAgreesWithBitwiseAcrossLengthsAndSplits) {
  const std::string data = test::PatternBytes(1000, 7);
  for (size_t n = 0; n <= 70; ++n) {
    const std::string_view part(data.data(), n);
    EXPECT_EQ(Crc32::Of(Bytes(part)), BitwiseCrc(part)) << n;
  }
  for (size_t split : {1u, 15u, 16u, 17u, 333u}) {
    Crc32 crc;
    crc.Update(Bytes(std::string_view(data).substr(0, split)));
    crc.Update(Bytes(std::string_view(data).substr(split)));
    EXPECT_EQ(crc.Value(), BitwiseCrc(data)) << split;
  }
}

}  // namespace
}  // namespace sigillo
