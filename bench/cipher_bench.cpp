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

void BM_CryptFileBlock(benchmark::State& state) {
  Generator gen;
  FileCipher cipher;
  DeriveFileKey(gen, WhitenPassword(gen, u"benchmark"), cipher);
  std::vector<uint8_t> data = Content();
  for (auto _ : state) {
    for (size_t pos = 0; pos < data.size(); pos += 256)
      CryptFileBlock(gen, cipher, data.data() + pos, 256);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_CryptFileBlock);

// As the cipher pass runs it: many blocks per call, so block transforms overlap.
void BM_CryptFileBlocks(benchmark::State& state) {
  Generator gen;
  FileCipher cipher;
  DeriveFileKey(gen, WhitenPassword(gen, u"benchmark"), cipher);
  std::vector<uint8_t> data = Content();
  for (auto _ : state) {
    for (size_t pos = 0; pos < data.size(); pos += kProgressStep)
      CryptFileBlocks(gen, cipher, data.data() + pos, kProgressStep);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_CryptFileBlocks);

void BM_CryptFileBlockDrawByDraw(benchmark::State& state) {
  plain::Gen gen;
  plain::KeyState key = plain::DeriveKey(gen, u"benchmark");
  std::vector<uint8_t> data = Content();
  for (auto _ : state) {
    for (size_t pos = 0; pos < data.size(); pos += 256)
      plain::CryptBlock(gen, key, data.data() + pos, 256);
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_CryptFileBlockDrawByDraw);

// The straightforward transform, one inline draw after the other: what the
// optimised code is measured against.
void BM_CryptFileBlockDirect(benchmark::State& state) {
  Generator gen;
  FileCipher cipher;
  DeriveFileKey(gen, WhitenPassword(gen, u"benchmark"), cipher);
  std::vector<uint8_t> data = Content();
  KeyBlock& key = cipher.key;
  for (auto _ : state) {
    uint8_t fb = cipher.feedback;
    for (size_t pos = 0; pos < data.size(); pos += 256) {
      ShuffleBytes(gen, key.data(), 255);
      for (size_t j = 0; j < 256; ++j) {
        const uint8_t x = data[pos + j];
        const uint8_t i1 = gen.RandomByte(), i2 = gen.RandomByte();
        const uint8_t r1 = gen.RandomByte(), r2 = gen.RandomByte();
        const auto y = static_cast<uint8_t>(key[j] ^ x ^ j ^ fb ^ key[i1] ^ key[i2] ^ r1 ^ r2);
        data[pos + j] = y;
        fb = static_cast<uint8_t>(x > y ? x - y : y - x);
      }
    }
    cipher.feedback = fb;
    benchmark::DoNotOptimize(data.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.size()));
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
