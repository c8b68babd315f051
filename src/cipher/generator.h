// The one pseudo-random generator: a 32-bit linear congruential generator.
// Its update rule, range mapping and the number of draws each caller makes are
// part of the encrypted file format.
#pragma once

#include <cstdint>

namespace sigillo {

class Generator {
 public:
  static constexpr uint32_t kMultiplier = 134775813u;  // 0x08088405
  static constexpr uint32_t kIncrement = 1u;

  Generator() = default;
  explicit Generator(int32_t seed) : state_(static_cast<uint32_t>(seed)) {}

  int32_t RandSeed() const { return static_cast<int32_t>(state_); }
  void SetRandSeed(int32_t seed) { state_ = static_cast<uint32_t>(seed); }

  // 0..n-1 for n > 0; n = 0 gives 0; negative n reads as 2^32 + n. One draw.
  int32_t RandomInt(int32_t n) {
    Advance();
    return static_cast<int32_t>(
        static_cast<uint32_t>((uint64_t{static_cast<uint32_t>(n)} * state_) >> 32));
  }

  // lo..hi inclusive for lo <= hi. One draw.
  int32_t RandomBetween(int32_t lo, int32_t hi) {
    const uint32_t m = static_cast<uint32_t>(hi) + 1u - static_cast<uint32_t>(lo);
    return static_cast<int32_t>(static_cast<uint32_t>(lo) +
                                static_cast<uint32_t>(RandomInt(static_cast<int32_t>(m))));
  }

  // RandomBetween(0, 255): the top byte of the new state. One draw.
  uint8_t RandomByte() {
    Advance();
    return static_cast<uint8_t>(state_ >> 24);
  }

  // Number of draws made since construction (for tests and diagnostics).
  uint64_t Draws() const { return draws_; }

  // Skip k draws at once: the state after k draws is a^k * s + c_k.
  void Skip(uint64_t k);

  // Raw state access for the block transform, which computes many states at once.
  uint32_t State() const { return state_; }
  void SetStateAfterDraws(uint32_t state, uint64_t draws) {
    state_ = state;
    draws_ += draws;
  }

 private:
  void Advance() {
    state_ = state_ * kMultiplier + kIncrement;
    ++draws_;
  }

  uint32_t state_ = 0;
  uint64_t draws_ = 0;
};

// Affine map s -> mul * s + add that advances the generator by some number of draws.
struct Jump {
  uint32_t mul = 1;
  uint32_t add = 0;
  uint32_t Apply(uint32_t s) const { return mul * s + add; }
};

// The map for k draws.
Jump JumpOf(uint64_t k);

}  // namespace sigillo
