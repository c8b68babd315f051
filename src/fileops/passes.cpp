#include "fileops/passes.h"

#include <algorithm>
#include <vector>

#include "cipher/wipe.h"
#include "fileops/format.h"

namespace sigillo {
namespace {

// One fixed buffer per pass, wiped when the pass ends.
class ChunkBuffer {
 public:
  ChunkBuffer() : bytes_(kChunkSize) {}
  ~ChunkBuffer() { SecureWipe(bytes_.data(), bytes_.size()); }
  std::span<uint8_t> span() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

bool CrcPass(FileHandle& in, uint64_t start, uint64_t size, const ProgressFn& progress,
             uint32_t& crc) {
  ChunkBuffer buffer;
  Crc32 sum;
  uint64_t position = start;
  for (;;) {
    size_t got = 0;
    if (!ReadFully(in, buffer.span(), got)) return false;
    if (got == 0) break;
    for (size_t done = 0; done < got; done += kCrcStep) {
      const size_t step = std::min(kCrcStep, got - done);
      sum.Update(buffer.span().subspan(done, step));
      position += step;
      if (progress) progress(position, std::max(size, position));
    }
  }
  crc = sum.Value();
  return true;
}

bool CipherPass(Generator& gen, FileCipher& cipher, FileHandle& in, uint64_t start, uint64_t size,
                FileHandle& out, const ProgressFn& progress, Crc32* input_crc) {
  ChunkBuffer buffer;
  uint64_t position = start;
  for (;;) {
    size_t got = 0;
    if (!ReadFully(in, buffer.span(), got)) return false;
    uint8_t* bytes = buffer.span().data();
    if (got == 0) {
      // The read that finds the end still shuffles the key block.
      CryptFileBlock(gen, cipher, bytes, 0);
      if (progress) progress(position, std::max(size, position));
      return true;
    }
    if (input_crc != nullptr) input_crc->Update(buffer.span().first(got));
    // Progress is told per step of blocks; it changes the display only per percent.
    for (size_t done = 0; done < got; done += kProgressStep) {
      const size_t n = std::min(kProgressStep, got - done);
      CryptFileBlocks(gen, cipher, bytes + done, n);
      position += n;
      if (progress) progress(position, std::max(size, position));
    }
    if (!out.Write(buffer.span().first(got))) return false;
  }
}

}  // namespace sigillo
