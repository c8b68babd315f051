// Symbolic links can be made on POSIX systems only: a link never counts as a file.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/command_line.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

TEST(CommandLineFileLinks, ALinkIsSkipped) {
  test::TempDir dir;
  test::WriteFile(dir / "a.txt", "a");
  test::WriteFile(dir / "b.txt", "b");
  std::filesystem::create_symlink(dir / "a.txt", dir / "link");
  const Text link = Utf8ToTextLossy((dir / "link").string());
  const Text b = Utf8ToTextLossy((dir / "b.txt").string());
  EXPECT_EQ(CommandLineFile({link}, HostFileSystem()), std::nullopt);
  EXPECT_EQ(CommandLineFile({link, b}, HostFileSystem()), b);
}

}  // namespace
}  // namespace sigillo
