// The same work as `sigillo-cli encrypt --password-file PW --output OUT IN`, done
// the direct way: a bytewise CRC pass, then the cipher one draw after the other on
// 256-byte reads and writes, and a final flush. The yardstick of the end-to-end
// benchmark; its output must equal the program's.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "cipher/crc32.h"
#include "fileops/file_cipher.h"
#include "fileops/format.h"

using namespace sigillo;

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: plain-encrypt PASSWORD-FILE IN OUT\n");
    return 2;
  }
  std::string line;
  std::getline(std::ifstream(argv[1]), line);
  Text password;
  if (!Utf8ToText(line, password) || password.empty()) return 2;

  Generator gen;
  const Text whitened = WhitenPassword(gen, password);
  const uint32_t* table = Crc32Table();
  FILE* in = std::fopen(argv[2], "rb");
  FILE* out = std::fopen(argv[3], "wb");
  if (in == nullptr || out == nullptr) return 3;
  uint32_t crc = 0xFFFFFFFFu;
  static uint8_t chunk[32768];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) != 0;)
    for (size_t i = 0; i < n; ++i)
      crc = (crc >> 8) ^ table[(crc ^ chunk[i]) & 0xFFu];
  const auto header = EncodeHeader(~crc);
  std::fwrite(header.data(), 1, header.size(), out);
  std::rewind(in);

  FileCipher cipher;
  DeriveFileKey(gen, whitened, cipher);
  KeyBlock& key = cipher.key;
  uint8_t fb = cipher.feedback;
  uint8_t block[256];
  for (;;) {
    const size_t n = std::fread(block, 1, sizeof block, in);
    ShuffleBytes(gen, key.data(), 255);
    for (size_t j = 0; j < n; ++j) {
      const uint8_t x = block[j];
      const uint8_t i1 = gen.RandomByte(), i2 = gen.RandomByte();
      const uint8_t r1 = gen.RandomByte(), r2 = gen.RandomByte();
      const auto y = static_cast<uint8_t>(key[j] ^ x ^ j ^ fb ^ key[i1] ^ key[i2] ^ r1 ^ r2);
      block[j] = y;
      fb = static_cast<uint8_t>(x > y ? x - y : y - x);
    }
    if (n == 0) break;
    std::fwrite(block, 1, n, out);
  }
  std::fflush(out);
  const bool ok = fsync(fileno(out)) == 0 && std::fclose(out) == 0;
  std::fclose(in);
  return ok ? 0 : 3;
}
