#include "support/plain_cipher.h"

namespace sigillo::plain {
namespace {

using Str = std::u16string;

uint32_t Crc(const Str& units) {
  uint32_t table[256];
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t v = i;
    for (int k = 0; k < 8; ++k)
      v = (v & 1) ? (v >> 1) ^ 0xEDB88320u : v >> 1;
    table[i] = v;
  }
  uint32_t c = 0xFFFFFFFFu;
  for (char16_t u : units)
    c = (c >> 8) ^ table[(c ^ u) & 0xFF];
  return ~c;
}

Str Scramble(Gen& gen, Str text, int32_t count) {
  const int32_t length = int32_t(text.size());
  if (length <= 1 || count < 0) return text;
  if (count == 0) count = length;
  for (int32_t n = 0; n < count; ++n) {
    const int32_t i = gen.RandomInt(length) + 1;
    const int32_t j = gen.RandomInt(length) + 1;
    const char16_t t = text[i - 1];
    text[i - 1] = text[j - 1];
    text[j - 1] = t;
  }
  return text;
}

char16_t PickFrom(Gen& gen, const Str& s) {
  return s[gen.RandomInt(int32_t(s.size())) + 1 - 1];
}
char16_t Lower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

// Letters are only ever A-Z here, so case mapping is plain ASCII.
Str RandomText(Gen& gen, int32_t wanted, Str letters, Str digits, Str symbols) {
  Str w;
  letters = Scramble(gen, letters, 0);
  digits = Scramble(gen, digits, 0);
  symbols = Scramble(gen, symbols, 0);
  if (int32_t(w.size()) < wanted && !letters.empty()) w += PickFrom(gen, letters);
  if (int32_t(w.size()) < wanted && !letters.empty()) w += Lower(PickFrom(gen, letters));
  if (int32_t(w.size()) < wanted && !digits.empty()) w += PickFrom(gen, digits);
  if (int32_t(w.size()) < wanted && !symbols.empty()) w += PickFrom(gen, symbols);
  if (int32_t(w.size()) < wanted) {
    do {
      const int32_t k = gen.RandomBetween(1, 4);
      if (k == 1 || k == 2) {
        if (!letters.empty()) {
          letters = Scramble(gen, letters, 0);
          letters = Scramble(gen, letters, 0);
          const char16_t c = PickFrom(gen, letters);
          w += k == 1 ? c : Lower(c);
          w = Scramble(gen, w, 0);
        }
      } else if (k == 3) {
        if (!digits.empty()) {
          digits = Scramble(gen, digits, 0);
          w += PickFrom(gen, digits);
          w = Scramble(gen, w, 0);
        }
      } else if (!symbols.empty()) {
        symbols = Scramble(gen, symbols, 0);
        w += PickFrom(gen, symbols);
        w = Scramble(gen, w, 0);
      }
      int32_t len = int32_t(letters.size());
      letters = Scramble(gen, letters, len * gen.RandomBetween(1, 4));
      len = int32_t(digits.size());
      digits = Scramble(gen, digits, len * gen.RandomBetween(1, 4));
      len = int32_t(symbols.size());
      symbols = Scramble(gen, symbols, len * gen.RandomBetween(1, 4));
    } while (int32_t(w.size()) != wanted);
  }
  const int32_t len = int32_t(w.size());
  w = Scramble(gen, w, len * gen.RandomBetween(1, 8));
  return Scramble(gen, w, 0);
}

Str KeyText(Gen& gen) {
  return RandomText(gen, 256, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"0123456789", u"#$%/?+-*");
}

Str Merge(const Str& a, const Str& b) {
  Str r;
  if (a.empty() || b.empty()) return r;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t k = i % b.size();
    if (k == 0) k = b.size();
    r += char16_t((a[i - 1] & 0xFF) ^ (b[k - 1] & 0xFF));
  }
  return r;
}

void Shuffle(Gen& gen, uint8_t* buffer, int32_t last) {
  for (int32_t k = 0; k <= last; ++k) {
    const int32_t p = gen.RandomBetween(0, last);
    const uint8_t t = buffer[p];
    buffer[p] = buffer[k];
    buffer[k] = t;
  }
}

// Steps K3 to K14; the chained feedback byte is returned through f.
void KeySchedule(Gen& gen, const Str& password, uint8_t key[256], uint8_t& f) {
  gen.seed = 463975;
  const Str t = Scramble(gen, password, 0);
  gen.seed = Crc(t);
  Str p = Scramble(gen, password, 0);
  Str r1 = KeyText(gen);
  int32_t a = gen.RandomBetween(4, 8);
  int32_t b = gen.RandomBetween(1, 2);
  int32_t c = gen.RandomBetween(b, a);
  const Str s1 = Scramble(gen, r1, 256 * c);
  Str r2 = KeyText(gen);
  a = gen.RandomBetween(4, 8);
  b = gen.RandomBetween(1, 2);
  c = gen.RandomBetween(b, a);
  const Str s2 = Scramble(gen, r2, 256 * c);
  const Str m = Merge(s2, s1);
  p = Merge(p, m);
  p = Scramble(gen, p, 0);
  for (int i = 0; i < 256; ++i)
    key[i] = uint8_t((p[(i % p.size()) + 1 - 1] & 0xFF) ^ i ^ gen.RandomBetween(0, 255));
  Shuffle(gen, key, 255);
  f = 0;
  for (int i = 0; i < 256; ++i) {
    key[i] = uint8_t(key[i] ^ f ^ i ^ gen.RandomBetween(0, 255));
    f = key[i];
  }
  Shuffle(gen, key, 255);
}

Str CryptTextPlain(Gen& gen, const Str& data, const Str& password) {
  Str result;
  if (data.empty() || password.empty()) return result;
  uint8_t key[256];
  uint8_t unused = 0;
  KeySchedule(gen, password, key, unused);
  const size_t n = data.size();
  for (size_t b = 0; result.size() < n; ++b) {
    uint8_t block[256] = {};
    for (size_t j = 0; j < 256 && 256 * b + j < n; ++j)
      block[j] = uint8_t(data[256 * b + j]);
    Shuffle(gen, key, 255);
    uint8_t fb = 0;
    for (int j = 0; j < 256; ++j) {
      const uint8_t x = block[j];
      uint8_t y = uint8_t(key[j] ^ x ^ j ^ fb);
      const int32_t r1 = gen.RandomBetween(0, 255);
      const int32_t r2 = gen.RandomBetween(0, 255);
      y = uint8_t(y ^ key[r1] ^ key[r2]);
      const int32_t r3 = gen.RandomBetween(0, 255);
      const int32_t r4 = gen.RandomBetween(0, 255);
      y = uint8_t(y ^ r3 ^ r4);
      result += char16_t(y);
      fb = x > y ? uint8_t(x - y) : uint8_t(y - x);
      if (result.size() == n) break;
    }
  }
  return result;
}

}  // namespace

KeyState DeriveKey(Gen& gen, const std::u16string& password) {
  gen.seed = 2739164;
  Str a = KeyText(gen);
  const int32_t r = gen.RandomBetween(1, 32);
  a = Scramble(gen, a, r * 256);
  const int32_t s = gen.RandomBetween(1, 8);
  const Str q = Scramble(gen, password, int32_t(password.size()) * s);
  Str p = CryptTextPlain(gen, q, a);
  p = Scramble(gen, p, 0);
  KeyState state{};
  KeySchedule(gen, p, state.key, state.feedback);
  return state;
}

void CryptBlock(Gen& gen, KeyState& state, uint8_t* buffer, int n) {
  Shuffle(gen, state.key, 255);
  for (int j = 0; j < n; ++j) {
    const uint8_t x = buffer[j];
    uint8_t y = uint8_t(state.key[j] ^ x ^ j ^ state.feedback);
    const int32_t i1 = gen.RandomBetween(0, 255);
    const int32_t i2 = gen.RandomBetween(0, 255);
    y = uint8_t(y ^ state.key[i1] ^ state.key[i2]);
    const int32_t r1 = gen.RandomBetween(0, 255);
    const int32_t r2 = gen.RandomBetween(0, 255);
    y = uint8_t(y ^ r1 ^ r2);
    buffer[j] = y;
    state.feedback = x > y ? uint8_t(x - y) : y > x ? uint8_t(y - x) : 0;
  }
}

std::string EncryptFile(const std::string& content, const std::u16string& password) {
  Str bytes;
  for (unsigned char c : content)
    bytes += char16_t(c);
  const uint32_t check = Crc(bytes);
  std::string out = "$QZ2048$";
  for (int i = 0; i < 4; ++i)
    out += char((check >> (8 * i)) & 0xFF);
  Gen gen;
  KeyState state = DeriveKey(gen, password);
  size_t pos = 0;
  for (;;) {
    uint8_t block[256];
    int n = 0;
    while (n < 256 && pos < content.size())
      block[n++] = uint8_t(content[pos++]);
    CryptBlock(gen, state, block, n);
    out.append(reinterpret_cast<const char*>(block), size_t(n));
    if (n == 0) break;
  }
  return out;
}

}  // namespace sigillo::plain
