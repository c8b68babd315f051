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

// Top bytes of the states after 1..draws draws. Each is independent of the others,
// so the loop vectorises; with AVX2 eight states are computed per instruction.
void TopBytesOfStates(const JumpTable& jumps, uint32_t s0, size_t draws, uint8_t* out) {
  for (size_t k = 1; k <= draws; ++k)
    out[k] = static_cast<uint8_t>((jumps.mul[k] * s0 + jumps.add[k]) >> 24);
}

__attribute__((target("avx2"))) void TopBytesAvx2(const JumpTable& jumps, uint32_t s0, size_t draws,
                                                  uint8_t* out) {
  for (size_t k = 1; k <= draws; ++k)
    out[k] = static_cast<uint8_t>((jumps.mul[k] * s0 + jumps.add[k]) >> 24);
}

using TopBytesFn = void (*)(const JumpTable&, uint32_t, size_t, uint8_t*);

TopBytesFn ChooseTopBytes() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? &TopBytesAvx2 : &TopBytesOfStates;
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

namespace {

// The draws of one block: 256 for the key shuffle, then 4 per byte.
struct BlockDraws {
  std::array<uint8_t, kMaxDraws + 1> r;  // r[k]: top byte of the state after k draws
  size_t n = 0;
  size_t count() const { return kCipherBlockSize + 4 * n; }
};

uint32_t Prepare(const JumpTable& jumps, uint32_t state, size_t n, BlockDraws& out) {
  static const TopBytesFn top_bytes = ChooseTopBytes();
  out.n = n;
  top_bytes(jumps, state, out.count(), out.r.data());
  return jumps.mul[out.count()] * state + jumps.add[out.count()];
}

void ShuffleStep(KeyBlock& key, const BlockDraws& draws, size_t k) {
  std::swap(key[draws.r[k + 1]], key[k]);
}

// Transforms byte j of a block with its four draws d; returns the new feedback byte.
inline uint8_t ByteStep(const KeyBlock& key, const uint8_t* d, uint8_t* block, size_t j,
                        uint8_t fb) {
  const uint8_t x = block[j];
  const auto y = static_cast<uint8_t>(key[j] ^ j ^ key[d[0]] ^ key[d[1]] ^ d[2] ^ d[3] ^ x ^ fb);
  block[j] = y;
  return static_cast<uint8_t>(x > y ? x - y : y - x);
}

}  // namespace

void CryptFileBlocks(Generator& gen, FileCipher& cipher, uint8_t* buffer, size_t size) {
  const JumpTable& jumps = Jumps();
  // Two key blocks: while one block is transformed with its key, the next block's
  // shuffle runs on a copy. The feedback chain and the shuffle are the two serial
  // parts of the cipher, and this way they overlap.
  KeyBlock keys[2] = {cipher.key, {}};
  BlockDraws draws[2];
  uint8_t fb = cipher.feedback;
  uint32_t state = gen.State();
  uint64_t draws_made = 0;

  size_t n = std::min(size, kCipherBlockSize);
  state = Prepare(jumps, state, n, draws[0]);
  draws_made += draws[0].count();
  for (size_t k = 0; k < kCipherBlockSize; ++k)
    ShuffleStep(keys[0], draws[0], k);

  size_t cur = 0;
  for (size_t pos = 0;; cur ^= 1) {
    const KeyBlock& key = keys[cur];
    const uint8_t* d = draws[cur].r.data() + kCipherBlockSize + 1;
    uint8_t* block = buffer + pos;
    if (pos + n >= size) {
      for (size_t j = 0; j < n; ++j, d += 4)
        fb = ByteStep(key, d, block, j, fb);
      break;
    }
    const size_t next_n = std::min(size - pos - n, kCipherBlockSize);
    BlockDraws& next = draws[cur ^ 1];
    state = Prepare(jumps, state, next_n, next);
    draws_made += next.count();
    KeyBlock& next_key = keys[cur ^ 1];
    next_key = key;
    for (size_t j = 0; j < kCipherBlockSize; ++j, d += 4) {
      fb = ByteStep(key, d, block, j, fb);
      ShuffleStep(next_key, next, j);
    }
    pos += n;
    n = next_n;
  }
  cipher.key = keys[cur];
  cipher.feedback = fb;
  SecureWipe(keys, sizeof keys);
  gen.SetStateAfterDraws(state, draws_made);
}

void CryptFileBlock(Generator& gen, FileCipher& cipher, uint8_t* buffer, size_t n) {
  if (n != 0) {
    CryptFileBlocks(gen, cipher, buffer, n);
    return;
  }
  BlockDraws draws;
  const uint32_t state = Prepare(Jumps(), gen.State(), 0, draws);
  for (size_t k = 0; k < kCipherBlockSize; ++k)
    ShuffleStep(cipher.key, draws, k);
  gen.SetStateAfterDraws(state, draws.count());
}

}  // namespace sigillo
