#include "cipher/primitives.h"

namespace sigillo {
namespace {

Text KeyRandomText(Generator& gen) {
  return RandomText(gen, 256, kLetters, kDigits, kSymbols, true, true, true);
}

// A random text stirred by 256 x c transpositions, c drawn as the format demands:
// the upper bound first, then the lower bound, then c between them.
Text StirredRandomText(Generator& gen) {
  Text r = KeyRandomText(gen);
  const int32_t a = gen.RandomBetween(4, 8);
  const int32_t b = gen.RandomBetween(1, 2);
  const int32_t c = gen.RandomBetween(b, a);
  ScrambleInPlace(gen, r, 256 * c);
  return r;
}

}  // namespace

DerivedKey DeriveKeyBlock(Generator& gen, TextView password) {
  gen.SetRandSeed(kCryptTextSeed);
  gen.SetRandSeed(TextSeed(ScrambleText(gen, password, 0)));
  Text p = ScrambleText(gen, password, 0);
  const Text s1 = StirredRandomText(gen);
  const Text s2 = StirredRandomText(gen);
  p = MergeText(p, MergeText(s2, s1));
  ScrambleInPlace(gen, p, 0);

  DerivedKey out;
  KeyBlock& key = out.key;
  for (size_t i = 0; i < 256; ++i)
    key[i] = static_cast<uint8_t>((p[i % p.size()] & 0xFFu) ^ i ^ gen.RandomByte());
  ShuffleBytes(gen, key.data(), 255);
  uint8_t f = 0;
  for (size_t i = 0; i < 256; ++i) {
    key[i] = static_cast<uint8_t>(key[i] ^ f ^ i ^ gen.RandomByte());
    f = key[i];
  }
  ShuffleBytes(gen, key.data(), 255);
  out.feedback = f;
  return out;
}

Text CryptText(Generator& gen, TextView data, TextView password) {
  if (data.empty() || password.empty()) return {};
  DerivedKey derived = DeriveKeyBlock(gen, password);
  KeyBlock& key = derived.key;

  Text result;
  result.reserve(data.size());
  for (size_t start = 0; start < data.size(); start += 256) {
    ShuffleBytes(gen, key.data(), 255);
    uint8_t fb = 0;
    const size_t end = std::min(data.size(), start + 256);
    for (size_t pos = start; pos < end; ++pos) {
      const auto j = static_cast<uint8_t>(pos - start);
      const auto x = static_cast<uint8_t>(data[pos] & 0xFFu);
      const uint8_t i1 = gen.RandomByte();
      const uint8_t i2 = gen.RandomByte();
      const uint8_t r1 = gen.RandomByte();
      const uint8_t r2 = gen.RandomByte();
      const uint8_t y = key[j] ^ x ^ j ^ fb ^ key[i1] ^ key[i2] ^ r1 ^ r2;
      result += static_cast<char16_t>(y);
      fb = static_cast<uint8_t>(x > y ? x - y : y - x);
    }
  }
  return result;
}

}  // namespace sigillo
