#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "support/temp_dir.h"

namespace sigillo {
namespace {

class CommandLineFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteFile(dir_ / "a.txt", "a");
    test::WriteFile(dir_ / "b.txt", "b");
    test::WriteFile(dir_ / "with blank.txt", "c");
    std::filesystem::create_directory(dir_ / "folder");
  }

  Text In(const char* name) const {
    Text text;
    EXPECT_TRUE(Utf8ToText(test::Utf8Path(dir_ / name), text));
    return text;
  }

  test::TempDir dir_;
};

TEST_F(CommandLineFileTest, TakesTheFirstExistingFileAndSkipsTheRest) {
  struct Case {
    const char* name;
    TextList arguments;
    std::optional<Text> file;
  };
  const std::vector<Case> cases = {
      {"nothing", {}, std::nullopt},
      {"a missing file", {In("missing")}, std::nullopt},
      {"a folder", {In("folder")}, std::nullopt},
      {"an empty argument", {u""}, std::nullopt},
      {"only switches", {u"/SWEDISH", u"/english"}, std::nullopt},
      {"one file", {In("a.txt")}, In("a.txt")},
      {"two files: the first", {In("a.txt"), In("b.txt")}, In("a.txt")},
      {"missing, then existing", {In("missing"), In("b.txt")}, In("b.txt")},
      {"folder, then existing", {In("folder"), In("b.txt")}, In("b.txt")},
      {"switch in small letters, then a file", {u"/english", In("a.txt")}, In("a.txt")},
      {"a file, then a switch", {In("b.txt"), u"/SWEDISH"}, In("b.txt")},
      {"a name with a blank, unchanged", {In("with blank.txt")}, In("with blank.txt")},
      {"quotation marks are part of the name", {u"\"" + In("a.txt") + u"\""}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CommandLineFile(c.arguments, HostFileSystem()), c.file) << c.name;
  }
}

TEST_F(CommandLineFileTest, RelativeNameIsTestedInTheCurrentFolderAndKeptRelative) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  const std::optional<Text> file = CommandLineFile({u"b.txt"}, HostFileSystem());
  std::filesystem::current_path(previous);
  EXPECT_EQ(file, Text(u"b.txt"));
}

}  // namespace
}  // namespace sigillo
