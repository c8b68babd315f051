// Wiping of secrets that the compiler may not optimise away.
#pragma once

#include <cstddef>
#include <string>

namespace sigillo {

inline void SecureWipe(void* data, size_t size) {
  volatile unsigned char* p = static_cast<volatile unsigned char*>(data);
  while (size-- != 0)
    *p++ = 0;
}

template <typename CharT>
void SecureWipe(std::basic_string<CharT>& s) {
  SecureWipe(s.data(), s.size() * sizeof(CharT));
  s.clear();
}

}  // namespace sigillo
