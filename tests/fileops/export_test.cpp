#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "fileops/export.h"
#include "fileops/format.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

namespace fs = std::filesystem;

class ExportTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  Generator gen_;

  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_.path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(ExportTest, RoundTripKeepsTheInput) {
  const auto plain = dir_ / "plain.txt";
  test::WriteFile(plain, "hello world");
  ASSERT_FALSE(EncryptToFile(HostFileSystem(), gen_, u"pw",
                             {test::Utf8Path(plain), test::Utf8Path(dir_ / "sealed"), {}}));
  ASSERT_FALSE(DecryptToFile(HostFileSystem(), gen_, u"pw",
                             {test::Utf8Path(dir_ / "sealed"), test::Utf8Path(dir_ / "back"), {}}));
  EXPECT_EQ(test::ReadFile(dir_ / "back"), "hello world");
  EXPECT_EQ(test::ReadFile(plain), "hello world");
  EXPECT_EQ(Listing(), (std::vector<std::string>{"back", "plain.txt", "sealed"}));
}

TEST_F(ExportTest, EmptyContentAndBareMagic) {
  test::WriteFile(dir_ / "empty", "");
  ASSERT_FALSE(EncryptToFile(HostFileSystem(), gen_, u"pw",
                             {test::Utf8Path(dir_ / "empty"), test::Utf8Path(dir_ / "e"), {}}));
  EXPECT_EQ(test::ReadFile(dir_ / "e"), std::string("$QZ2048$\0\0\0\0", 12));
  test::WriteFile(dir_ / "magic", "$QZ2048$");
  ASSERT_FALSE(DecryptToFile(HostFileSystem(), gen_, u"x",
                             {test::Utf8Path(dir_ / "magic"), test::Utf8Path(dir_ / "m"), {}}));
  EXPECT_EQ(test::ReadFile(dir_ / "m"), "");
}

TEST_F(ExportTest, WrongPasswordOrDamageLeavesNothing) {
  test::WriteFile(dir_ / "plain", test::PatternBytes(3000));
  ASSERT_FALSE(EncryptToFile(HostFileSystem(), gen_, u"right",
                             {test::Utf8Path(dir_ / "plain"), test::Utf8Path(dir_ / "s"), {}}));
  std::string damaged = test::ReadFile(dir_ / "s");
  damaged[2000] ^= 1;
  test::WriteFile(dir_ / "damaged", damaged);
  const auto before = Listing();
  struct Case {
    const char* input;
    Text password;
  };
  for (const auto& c : {Case{"s", u"wrong"}, Case{"s", u"Right"}, Case{"damaged", u"right"}}) {
    const Error e = DecryptToFile(HostFileSystem(), gen_, c.password,
                                  {test::Utf8Path(dir_ / c.input), test::Utf8Path(dir_ / "o"), {}});
    EXPECT_EQ(e.kind, ErrorKind::kCheckFailed) << c.input;
    EXPECT_EQ(Listing(), before);
  }
}

TEST_F(ExportTest, RefusalsWriteNothing) {
  test::WriteFile(dir_ / "plain", "abc");
  test::WriteFile(dir_ / "sealed", "$QZ2048$xxxx");
  test::WriteFile(dir_ / "taken", "keep");
  fs::create_directory(dir_ / "folder");
  struct Case {
    bool encrypt;
    const char* input;
    const char* output;
  };
  const std::vector<Case> cases = {
      {true, "sealed", "o"}, {false, "plain", "o"},    {true, "missing", "o"},
      {true, "folder", "o"}, {true, "plain", "taken"}, {false, "sealed", "taken"},
  };
  const auto before = Listing();
  for (const auto& c : cases) {
    const ExportJob job{test::Utf8Path(dir_ / c.input), test::Utf8Path(dir_ / c.output), {}};
    const Error e = c.encrypt ? EncryptToFile(HostFileSystem(), gen_, u"pw", job)
                              : DecryptToFile(HostFileSystem(), gen_, u"pw", job);
    EXPECT_EQ(e.kind, ErrorKind::kRefused) << c.input << " -> " << c.output;
    EXPECT_EQ(Listing(), before);
    EXPECT_EQ(test::ReadFile(dir_ / "taken"), "keep");
  }
}

TEST_F(ExportTest, ProgressReachesTheWholeFile) {
  test::WriteFile(dir_ / "plain", test::PatternBytes(100000));
  std::vector<std::pair<uint64_t, uint64_t>> seen;
  const ExportJob job{test::Utf8Path(dir_ / "plain"), test::Utf8Path(dir_ / "s"),
                      [&](uint64_t pos, uint64_t size) { seen.emplace_back(pos, size); }};
  ASSERT_FALSE(EncryptToFile(HostFileSystem(), gen_, u"pw", job));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), std::make_pair(uint64_t{100000}, uint64_t{100000}));
}

}  // namespace
}  // namespace sigillo
