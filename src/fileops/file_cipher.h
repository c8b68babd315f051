// The file cipher: a two-stage key derivation from the password and a 256-byte
// block transform that is its own inverse.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cipher/generator.h"
#include "cipher/primitives.h"

namespace sigillo {

inline constexpr int32_t kFileCipherSeed = 2739164;
inline constexpr size_t kCipherBlockSize = 256;

struct FileCipher {
  KeyBlock key{};
  uint8_t feedback = 0;
  ~FileCipher();
};

// Stage 1: whitens the password under a fixed seed. Runs before any file is opened.
Text WhitenPassword(Generator& gen, TextView password);

// Stage 2: the key block and the first feedback byte from the whitened password.
void DeriveFileKey(Generator& gen, TextView whitened, FileCipher& cipher);

// Transforms n (<= 256) bytes in place. Called once per block, also with n = 0 for
// the read that ends the data, since that call still shuffles the key block.
void CryptFileBlock(Generator& gen, FileCipher& cipher, uint8_t* buffer, size_t n);

// The same as CryptFileBlock on each consecutive block of 256 bytes of buffer (the
// last may be shorter), but faster. size must not be 0.
void CryptFileBlocks(Generator& gen, FileCipher& cipher, uint8_t* buffer, size_t size);

}  // namespace sigillo
