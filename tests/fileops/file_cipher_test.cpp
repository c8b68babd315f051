#include <gtest/gtest.h>

#include <vector>

#include "fileops/export.h"
#include "fileops/file_cipher.h"
#include "fileops/format.h"
#include "support/plain_cipher.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

Text PasswordOf(size_t length, bool wide) {
  Text p;
  for (size_t i = 0; i < length; ++i) {
    const auto low = static_cast<char16_t>(u'!' + (i * 7) % 90);
    p += wide && i % 3 == 0 ? static_cast<char16_t>(0x4E00 + low) : low;
  }
  return p;
}

// The optimised program must write byte for byte what the plain draw-by-draw
// implementation writes: files from other copies of the program must decrypt.
TEST(FileCipherCompatibility, MatchesPlainImplementationOnWholeFiles) {
  test::TempDir dir;
  Generator gen;
  struct Case {
    size_t size;
    Text password;
  };
  std::vector<Case> cases;
  for (size_t size : {0u, 1u, 255u, 256u, 257u, 5000u})
    for (const Text& password :
         {PasswordOf(1, false), PasswordOf(8, false), PasswordOf(8, true), PasswordOf(256, true)})
      cases.push_back({size, password});
  // Across the progress steps and the disk chunks of the cipher pass.
  cases.push_back({70000, PasswordOf(8, false)});
  cases.push_back({(size_t{1} << 20) + 300, PasswordOf(8, false)});

  int index = 0;
  for (const auto& [size, password] : cases) {
    const std::string content = test::PatternBytes(size, static_cast<uint32_t>(size + 1));
    const auto in = dir / ("in" + std::to_string(index));
    const auto out = dir / ("out" + std::to_string(index));
    const auto back = dir / ("back" + std::to_string(index++));
    test::WriteFile(in, content);
    ASSERT_FALSE(EncryptToFile(HostFileSystem(), gen, password,
                               {test::Utf8Path(in), test::Utf8Path(out), {}}));
    const std::string sealed = test::ReadFile(out);
    ASSERT_TRUE(sealed == plain::EncryptFile(content, password))
        << "size " << size << " password length " << password.size();
    ASSERT_FALSE(DecryptToFile(HostFileSystem(), gen, password,
                               {test::Utf8Path(out), test::Utf8Path(back), {}}));
    EXPECT_TRUE(test::ReadFile(back) == content) << size;
  }
}

TEST(FileCipher, OnlyLengthAndLowBytesOfThePasswordCount) {
  Generator a, b;
  FileCipher ka, kb;
  DeriveFileKey(a, WhitenPassword(a, u"abc"), ka);
  DeriveFileKey(b, WhitenPassword(b, Text{0x161, 0x262, 0xF63}), kb);
  EXPECT_EQ(ka.key, kb.key);
  EXPECT_EQ(ka.feedback, kb.feedback);
  EXPECT_EQ(a.RandSeed(), b.RandSeed());
}

TEST(FileCipher, DrawsPerBlockAndEmptyFinalCall) {
  Generator gen;
  FileCipher cipher;
  DeriveFileKey(gen, WhitenPassword(gen, u"pw"), cipher);
  const KeyBlock before = cipher.key;
  struct Case {
    size_t n;
    uint64_t draws;
  };
  for (const auto& c : {Case{1, 256 + 4}, Case{256, 256 + 1024}, Case{0, 256}}) {
    uint8_t buffer[256] = {};
    const uint64_t start = gen.Draws();
    CryptFileBlock(gen, cipher, buffer, c.n);
    EXPECT_EQ(gen.Draws() - start, c.draws) << c.n;
  }
  EXPECT_NE(cipher.key, before);  // even the empty call reshuffles the key block
}

TEST(FileCipher, AgreesWithPlainBlockTransformAndIsItsOwnInverse) {
  const std::string content = test::PatternBytes(1000, 5);
  Generator gen;
  FileCipher cipher;
  DeriveFileKey(gen, WhitenPassword(gen, u"hemligt"), cipher);
  plain::Gen pgen;
  plain::KeyState pstate = plain::DeriveKey(pgen, u"hemligt");
  ASSERT_EQ(static_cast<uint32_t>(gen.RandSeed()), pgen.seed);
  ASSERT_EQ(std::vector<uint8_t>(cipher.key.begin(), cipher.key.end()),
            std::vector<uint8_t>(pstate.key, pstate.key + 256));
  ASSERT_EQ(cipher.feedback, pstate.feedback);

  std::vector<uint8_t> fast(content.begin(), content.end()), slow = fast;
  for (size_t pos = 0; pos < fast.size(); pos += 256) {
    const size_t n = std::min<size_t>(256, fast.size() - pos);
    CryptFileBlock(gen, cipher, fast.data() + pos, n);
    plain::CryptBlock(pgen, pstate, slow.data() + pos, static_cast<int>(n));
  }
  EXPECT_EQ(fast, slow);
  EXPECT_EQ(static_cast<uint32_t>(gen.RandSeed()), pgen.seed);

  Generator again;
  FileCipher inverse;
  DeriveFileKey(again, WhitenPassword(again, u"hemligt"), inverse);
  for (size_t pos = 0; pos < fast.size(); pos += 256)
    CryptFileBlock(again, inverse, fast.data() + pos, std::min<size_t>(256, fast.size() - pos));
  EXPECT_EQ(fast, std::vector<uint8_t>(content.begin(), content.end()));
}

TEST(FileCipher, OtherBlockBoundariesGiveOtherBytes) {
  const std::string content = test::PatternBytes(300, 8);
  auto run = [&](size_t step) {
    Generator gen;
    FileCipher cipher;
    DeriveFileKey(gen, WhitenPassword(gen, u"pw"), cipher);
    std::vector<uint8_t> bytes(content.begin(), content.end());
    for (size_t pos = 0; pos < bytes.size(); pos += step)
      CryptFileBlock(gen, cipher, bytes.data() + pos, std::min(step, bytes.size() - pos));
    return bytes;
  };
  EXPECT_NE(run(256), run(100));
}

}  // namespace
}  // namespace sigillo
