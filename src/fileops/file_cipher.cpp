#include "fileops/file_cipher.h"

#include <array>
#include <utility>

#include "cipher/wipe.h"

namespace sigillo {
namespace {

constexpr size_t kMaxDraws = kCipherBlockSize + 4 * kCipherBlockSize;

// The affine maps for 1..kMaxDraws draws, so that every state of a block can be
// computed from the first one independently instead of one after another.
struct JumpTable {
  std::array<uint32_t, kMaxDraws + 1> mul{};
  std::array<uint32_t, kMaxDraws + 1> add{};
  JumpTable() {
    mul[0] = 1;
    add[0] = 0;
    for (size_t k = 1; k <= kMaxDraws; ++k) {
      mul[k] = mul[k - 1] * Generator::kMultiplier;
      add[k] = add[k - 1] * Generator::kMultiplier + Generator::kIncrement;
    }
  }
};

const JumpTable& Jumps() {
  static const JumpTable table;
  return table;
}

}  // namespace

FileCipher::~FileCipher() {
  SecureWipe(key.data(), key.size());
  SecureWipe(&feedback, 1);
}

Text WhitenPassword(Generator& gen, TextView password) {
  gen.SetRandSeed(kFileCipherSeed);
  Text a = RandomText(gen, 256, kLetters, kDigits, kSymbols, true, true, true);
  ScrambleInPlace(gen, a, gen.RandomBetween(1, 32) * 256);
  const auto length = static_cast<int32_t>(password.size());
  Text q = ScrambleText(gen, password, length * gen.RandomBetween(1, 8));
  Text p = CryptText(gen, q, a);
  SecureWipe(q);
  SecureWipe(a);
  ScrambleInPlace(gen, p, 0);
  return p;
}

void DeriveFileKey(Generator& gen, TextView whitened, FileCipher& cipher) {
  DerivedKey derived = DeriveKeyBlock(gen, whitened);
  cipher.key = derived.key;
  cipher.feedback = derived.feedback;
  SecureWipe(derived.key.data(), derived.key.size());
}

void CryptFileBlock(Generator& gen, FileCipher& cipher, uint8_t* buffer, size_t n) {
  const JumpTable& jumps = Jumps();
  const size_t draws = kCipherBlockSize + 4 * n;
  const uint32_t s0 = gen.State();

  // Top bytes of the states after 1..draws draws; independent, so this vectorises.
  std::array<uint8_t, kMaxDraws + 1> r;
  for (size_t k = 1; k <= draws; ++k)
    r[k] = static_cast<uint8_t>((jumps.mul[k] * s0 + jumps.add[k]) >> 24);

  KeyBlock& key = cipher.key;
  for (size_t k = 0; k < kCipherBlockSize; ++k)
    std::swap(key[r[k + 1]], key[k]);

  const uint8_t* d = r.data() + kCipherBlockSize + 1;
  uint8_t fb = cipher.feedback;
  for (size_t j = 0; j < n; ++j, d += 4) {
    const auto stream = static_cast<uint8_t>(key[j] ^ j ^ key[d[0]] ^ key[d[1]] ^ d[2] ^ d[3]);
    const uint8_t x = buffer[j];
    const auto y = static_cast<uint8_t>(x ^ stream ^ fb);
    buffer[j] = y;
    fb = static_cast<uint8_t>(x > y ? x - y : y - x);
  }
  cipher.feedback = fb;
  gen.SetStateAfterDraws(jumps.mul[draws] * s0 + jumps.add[draws], draws);
}

}  // namespace sigillo
