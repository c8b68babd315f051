#include <utility>

#include "cipher/crc32.h"
#include "cipher/primitives.h"

namespace sigillo {

int32_t TextSeed(TextView text) {
  const uint32_t* table = Crc32Table();
  uint32_t c = 0xFFFFFFFFu;
  // Units above 255 fold in by their low byte, so the index stays in the table.
  for (const char16_t u : text)
    c = (c >> 8) ^ table[(c ^ u) & 0xFFu];
  return static_cast<int32_t>(~c);
}

void ScrambleInPlace(Generator& gen, Text& text, int32_t count) {
  const auto length = static_cast<int32_t>(text.size());
  if (length <= 1 || count < 0) return;
  if (count == 0) count = length;
  for (int32_t k = 0; k < count; ++k) {
    const int32_t i = gen.RandomInt(length);
    const int32_t j = gen.RandomInt(length);
    std::swap(text[static_cast<size_t>(i)], text[static_cast<size_t>(j)]);
  }
}

Text ScrambleText(Generator& gen, TextView text, int32_t count) {
  Text work(text);
  ScrambleInPlace(gen, work, count);
  return work;
}

Text MergeText(TextView a, TextView b) {
  if (a.empty() || b.empty()) return {};
  Text result(a.size(), u'\0');
  for (size_t i = 0; i < a.size(); ++i)
    result[i] = static_cast<char16_t>((a[i] ^ b[i % b.size()]) & 0xFFu);
  return result;
}

void ShuffleBytes(Generator& gen, uint8_t* buffer, int32_t last) {
  for (int32_t k = 0; k <= last; ++k) {
    const auto p = static_cast<size_t>(gen.RandomBetween(0, last));
    std::swap(buffer[p], buffer[static_cast<size_t>(k)]);
  }
}

}  // namespace sigillo
