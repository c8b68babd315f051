#include <benchmark/benchmark.h>

#include <vector>

#include "cipher/crc32.h"
#include "fileops/file_cipher.h"
#include "fileops/passes.h"
#include "support/plain_cipher.h"

namespace sigillo {
namespace {

constexpr size_t kBytes = size_t{1} << 20;

std::vector<uint8_t> Content() {
  std::vector<uint8_t> v(kBytes);
  for (size_t i = 0; i < v.size(); ++i)
    v[i] = static_cast<uint8_t>(i * 131 + 7);
  return v;
}

// Transforms the content again and again in pieces of step bytes.
template <typename Transform>
void OverContent(benchmark::State& state, size_t step, Transform transform) {
  std::vector<uint8_t> data = Content();
  for (auto _ : state) {
    for (size_t pos = 0; pos < data.size(); pos += step)
      transform(data.data() + pos, step);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}

// A generator and cipher keyed from a fixed password, as after the derivation.
struct Keyed {
  Generator gen;
  FileCipher cipher;
  Keyed() { DeriveFileKey(gen, WhitenPassword(gen, u"benchmark"), cipher); }
};

void BM_CryptFileBlock(benchmark::State& state) {
  Keyed k;
  OverContent(state, 256, [&](uint8_t* p, size_t n) { CryptFileBlock(k.gen, k.cipher, p, n); });
}
BENCHMARK(BM_CryptFileBlock);

// As the cipher pass runs it: many blocks per call, so block transforms overlap.
void BM_CryptFileBlocks(benchmark::State& state) {
  Keyed k;
  OverContent(state, kProgressStep,
              [&](uint8_t* p, size_t n) { CryptFileBlocks(k.gen, k.cipher, p, n); });
}
BENCHMARK(BM_CryptFileBlocks);

void BM_CryptFileBlockDrawByDraw(benchmark::State& state) {
  plain::Gen gen;
  plain::KeyState key = plain::DeriveKey(gen, u"benchmark");
  OverContent(state, 256,
              [&](uint8_t* p, size_t n) { plain::CryptBlock(gen, key, p, static_cast<int>(n)); });
}
BENCHMARK(BM_CryptFileBlockDrawByDraw);

// The straightforward transform, one inline draw after the other: what the
// optimised code is measured against.
void BM_CryptFileBlockDirect(benchmark::State& state) {
  Keyed k;
  KeyBlock& key = k.cipher.key;
  uint8_t fb = k.cipher.feedback;
  OverContent(state, 256, [&](uint8_t* block, size_t n) {
    ShuffleBytes(k.gen, key.data(), 255);
    for (size_t j = 0; j < n; ++j) {
      const uint8_t x = block[j];
      const uint8_t i1 = k.gen.RandomByte(), i2 = k.gen.RandomByte();
      const uint8_t r1 = k.gen.RandomByte(), r2 = k.gen.RandomByte();
      const auto y = static_cast<uint8_t>(key[j] ^ x ^ j ^ fb ^ key[i1] ^ key[i2] ^ r1 ^ r2);
      block[j] = y;
      fb = static_cast<uint8_t>(x > y ? x - y : y - x);
    }
  });
}
BENCHMARK(BM_CryptFileBlockDirect);

void BM_DeriveFileKey(benchmark::State& state) {
  for (auto _ : state) {
    Generator gen;
    FileCipher cipher;
    DeriveFileKey(gen, WhitenPassword(gen, u"benchmark"), cipher);
    benchmark::DoNotOptimize(cipher.key.data());
  }
  state.SetLabel("both stages");
}
BENCHMARK(BM_DeriveFileKey)->Unit(benchmark::kMillisecond);

void BM_Crc32(benchmark::State& state) {
  const std::vector<uint8_t> data = Content();
  for (auto _ : state)
    benchmark::DoNotOptimize(Crc32::Of(data));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Crc32);

}  // namespace
}  // namespace sigillo

BENCHMARK_MAIN();
