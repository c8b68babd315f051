// A deliberately plain, draw-by-draw implementation of the whole file cipher,
// written apart from the program's optimised code to check it against.
#pragma once

#include <cstdint>
#include <string>

namespace sigillo::plain {

struct Gen {
  uint32_t seed = 0;
  uint32_t Next() {
    seed = seed * 134775813u + 1u;
    return seed;
  }
  int32_t RandomInt(int32_t n) {
    Next();
    return static_cast<int32_t>((uint64_t(uint32_t(n)) * seed) >> 32);
  }
  int32_t RandomBetween(int32_t lo, int32_t hi) {
    return int32_t(uint32_t(lo) + uint32_t(RandomInt(int32_t(uint32_t(hi) + 1u - uint32_t(lo)))));
  }
};

struct KeyState {
  uint8_t key[256];
  uint8_t feedback;
};

// Stage 1 and stage 2 of the key derivation, one step at a time.
KeyState DeriveKey(Gen& gen, const std::u16string& password);
// The block transform, four draws per byte after the key shuffle.
void CryptBlock(Gen& gen, KeyState& state, uint8_t* buffer, int n);
// The whole encrypted file: magic, check value, data.
std::string EncryptFile(const std::string& content, const std::u16string& password);

}  // namespace sigillo::plain
