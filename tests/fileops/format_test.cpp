#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fileops/format.h"
#include "support/held_file.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

TEST(Header, EncodesMagicAndLittleEndianCheckValue) {
  const auto header = EncodeHeader(0x11223344u);
  const std::vector<uint8_t> expected = {'$', 'Q', 'Z',  '2',  '0',  '4',
                                         '8', '$', 0x44, 0x33, 0x22, 0x11};
  EXPECT_EQ(std::vector<uint8_t>(header.begin(), header.end()), expected);
}

TEST(Header, ShortCheckValuesFillFromTheLowByte) {
  struct Case {
    std::vector<uint8_t> bytes;
    uint32_t value;
  };
  const std::vector<Case> cases = {
      {{}, 0},
      {{0xAB}, 0xAB},
      {{0xAB, 0xCD}, 0xCDAB},
      {{0xAB, 0xCD, 0xEF}, 0xEFCDAB},
      {{0x44, 0x33, 0x22, 0x11}, 0x11223344u},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecodeCheckValue(c.bytes), c.value);
}

TEST(TempFileName, ReplacesOrAppendsTheExtension) {
  struct Case {
    Text path, temp;
  };
  const std::vector<Case> cases = {
      {u"C:\\Data\\report.docx", u"C:\\Data\\report.TMP"},
      {u"C:\\Data\\archive.tar.gz", u"C:\\Data\\archive.tar.TMP"},
      {u"C:\\Old.Data\\notes", u"C:\\Old.Data\\notes.TMP"},
      {u"C:notes", u"C:notes.TMP"},
      {u"a.TMP", u"a.TMP"},
      {u"/home/u/old.dir/notes", u"/home/u/old.dir/notes.TMP"},
      {u"/home/u/report.txt", u"/home/u/report.TMP"},
      {u"/home/u/.profile", u"/home/u/.TMP"},
      {u"name", u"name.TMP"},
      {u"", u".TMP"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TempFileName(c.path), c.temp) << TextToUtf8(c.path);
}

class IsEncryptedFileTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::string Write(const std::string& name, std::string_view content) {
    test::WriteFile(dir_ / name, content);
    return test::Utf8Path(dir_ / name);
  }
};

TEST_F(IsEncryptedFileTest, LooksAtTheFirstEightBytesOnly) {
  struct Case {
    std::string content;
    bool encrypted;
  };
  const std::vector<Case> cases = {
      {"", false},
      {"$QZ2048", false},
      {"$QZ2048$", true},
      {"$QZ2048$ and anything after", true},
      {"$qz2048$", false},
      {" $QZ2048$", false},
      {"plain text that is long enough", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsEncryptedFile(HostFileSystem(), Write("f", c.content)), c.encrypted) << c.content;
  }
}

TEST_F(IsEncryptedFileTest, AnythingUnreadableIsNotEncrypted) {
  const std::string file = Write("enc", "$QZ2048$....");
  EXPECT_FALSE(IsEncryptedFile(HostFileSystem(), ""));
  EXPECT_FALSE(IsEncryptedFile(HostFileSystem(), test::Utf8Path(dir_ / "missing")));
  EXPECT_FALSE(IsEncryptedFile(HostFileSystem(), test::Utf8Path(dir_.path())));

  // A file that another program holds open.
  {
    const test::HeldFile held(file);
    ASSERT_TRUE(held.held());
    EXPECT_FALSE(IsEncryptedFile(HostFileSystem(), file));
  }
  EXPECT_TRUE(IsEncryptedFile(HostFileSystem(), file));
  EXPECT_TRUE(IsEncryptedFile(Utf8ToTextLossy(file)));
}

}  // namespace
}  // namespace sigillo
