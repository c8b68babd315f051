#include "fileops/destroy.h"

#include <algorithm>
#include <vector>

#include "cipher/primitives.h"
#include "fileops/format.h"
#include "fileops/passes.h"
#include "fileops/progress.h"
#include "fileops/texts.h"

namespace sigillo {

Text ByteAlphabet() {
  Text t(256, u'\0');
  for (size_t i = 0; i < t.size(); ++i)
    t[i] = static_cast<char16_t>(i);
  return t;
}

Text UniqueFileName(FileSystem& fs, TextView pattern, int32_t first) {
  for (int32_t counter = first;; ++counter) {
    Text candidate = ReplaceAll(pattern, u"?", IntToText(counter), true);
    if (fs.Kind(NativePath(candidate)) == PathKind::kMissing) return candidate;
  }
}

Text FolderPart(TextView path) {
  const size_t separator = path.find_last_of(u"\\:/");
  if (separator == TextView::npos) return {};
  Text folder(path.substr(0, separator + 1));
  // A folder that ends in "/" already has its separator.
  return folder.back() == u'/' ? folder : EnsureTrailingBackslash(folder);
}

Text RandomDestroyName(FileSystem& fs, Generator& gen, TextView path) {
  const Text random = RandomText(gen, 16, kLetters, kDigits, u"", true, true, true);
  return UniqueFileName(fs, FolderPart(path) + random + u"-?.TMP", 1);
}

bool MoveTempIntoPlace(FileSystem& fs, TextView path) {
  return fs.RenameNoReplace(NativePath(TempFileName(path)), NativePath(path));
}

std::array<uint8_t, 256> FillerBlock(Generator& gen) {
  const Text filler = ScrambleText(gen, ByteAlphabet(), 0);
  std::array<uint8_t, 256> block{};
  for (size_t k = 0; k < block.size(); ++k)
    block[k] = static_cast<uint8_t>(filler[k]);
  return block;
}

bool OverwriteWithFiller(FileHandle& file, const std::array<uint8_t, 256>& filler,
                         OperationWindow& window) {
  uint64_t size = 0;
  if (!file.Size(size) || !file.Seek(0)) return false;
  // Large writes of the repeated block: the same bytes as one block at a time.
  std::vector<uint8_t> chunk(std::min<uint64_t>(kChunkSize, std::max<uint64_t>(size, 1)));
  for (size_t k = 0; k < chunk.size(); ++k)
    chunk[k] = filler[k % filler.size()];
  uint64_t position = 0;
  do {
    const auto n = static_cast<size_t>(std::min<uint64_t>(chunk.size(), size - position));
    if (!file.Write(std::span(chunk).first(n))) return false;
    position += n;
    UpdateProgress(window, texts::kDestroying, static_cast<int64_t>(position),
                   static_cast<int64_t>(size));
  } while (position < size);
  return file.Sync();
}

}  // namespace sigillo
