// CRC-32 of IEEE 802.3 / ZIP (reflected polynomial 0xEDB88320).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sigillo {

class Crc32 {
 public:
  void Update(std::span<const uint8_t> bytes);
  uint32_t Value() const { return ~reg_; }

  static uint32_t Of(std::span<const uint8_t> bytes) {
    Crc32 crc;
    crc.Update(bytes);
    return crc.Value();
  }

 private:
  uint32_t reg_ = 0xFFFFFFFFu;
};

// The byte-at-a-time table (entry i: i shifted right eight times, XORed with
// the polynomial after each shift that drops a 1 bit).
const uint32_t* Crc32Table();

}  // namespace sigillo
