#include "cipher/crc32.h"

#include <array>
#include <cstring>

namespace sigillo {
namespace {

constexpr uint32_t kPolynomial = 0xEDB88320u;
constexpr int kSlices = 16;

using Tables = std::array<std::array<uint32_t, 256>, kSlices>;

constexpr Tables MakeTables() {
  Tables t{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t v = i;
    for (int bit = 0; bit < 8; ++bit)
      v = (v & 1u) ? (v >> 1) ^ kPolynomial : v >> 1;
    t[0][i] = v;
  }
  // Slice k advances a byte that lies k positions before the end of a 16-byte group.
  for (uint32_t i = 0; i < 256; ++i)
    for (int k = 1; k < kSlices; ++k)
      t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFFu];
  return t;
}

constexpr Tables kTables = MakeTables();

uint32_t LoadLe32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

const uint32_t* Crc32Table() {
  return kTables[0].data();
}

void Crc32::Update(std::span<const uint8_t> bytes) {
  const uint8_t* p = bytes.data();
  size_t n = bytes.size();
  uint32_t c = reg_;
  // Slicing-by-16: sixteen independent table lookups per 16 bytes.
  while (n >= 16) {
    const uint32_t a = LoadLe32(p) ^ c;
    const uint32_t b = LoadLe32(p + 4);
    const uint32_t d = LoadLe32(p + 8);
    const uint32_t e = LoadLe32(p + 12);
    c = kTables[15][a & 0xFF] ^ kTables[14][(a >> 8) & 0xFF] ^ kTables[13][(a >> 16) & 0xFF] ^
        kTables[12][a >> 24] ^ kTables[11][b & 0xFF] ^ kTables[10][(b >> 8) & 0xFF] ^
        kTables[9][(b >> 16) & 0xFF] ^ kTables[8][b >> 24] ^ kTables[7][d & 0xFF] ^
        kTables[6][(d >> 8) & 0xFF] ^ kTables[5][(d >> 16) & 0xFF] ^ kTables[4][d >> 24] ^
        kTables[3][e & 0xFF] ^ kTables[2][(e >> 8) & 0xFF] ^ kTables[1][(e >> 16) & 0xFF] ^
        kTables[0][e >> 24];
    p += 16;
    n -= 16;
  }
  while (n-- != 0)
    c = (c >> 8) ^ kTables[0][(c ^ *p++) & 0xFFu];
  reg_ = c;
}

}  // namespace sigillo
