// What only POSIX systems have here: symbolic links, which every entry point refuses
// so that nothing outside the chosen name is touched, and permission bits, which a
// file written in place of another one keeps.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fileops/export.h"
#include "fileops/format.h"
#include "fileops/operation_fixture.h"

namespace sigillo {
namespace {

namespace fs = std::filesystem;
using test::OperationTest;

TEST_F(OperationTest, SymbolicLinksAreRefusedEverywhere) {
  Put("plain.txt", "plain");
  Put("sealed.txt", Sealed("x"));
  fs::create_symlink(dir_ / "plain.txt", dir_ / "link.txt");
  fs::create_symlink(dir_ / "sealed.txt", dir_ / "sealed-link.txt");
  const auto before = Files();

  EXPECT_FALSE(IsEncryptedFile(HostFileSystem(), test::Utf8Path(dir_ / "sealed-link.txt")));
  struct Case {
    bool encrypt;
    std::string file;
    std::string message;
  };
  const std::vector<Case> cases = {
      {true, "link.txt", "Ange en existerande fil som inte redan är krypterad."},
      {false, "sealed-link.txt", "Ange en existerande fil som är krypterad."},
  };
  for (const Case& c : cases) {
    window_ = {};
    window_.file = PathOf(c.file);
    window_.password = window_.repeat = u"p";
    window_.answers = {true, true};
    OperationContext context = Context(HostFileSystem());
    const auto outcome =
        c.encrypt ? EncryptOperation(window_, context) : DecryptOperation(window_, context);
    EXPECT_EQ(outcome.result, OperationResult::kRefused) << c.file;
    EXPECT_EQ(window_.events, (std::vector<std::string>{"error: " + c.message})) << c.file;
  }
  for (const bool encrypt : {true, false}) {
    const ExportJob job{test::Utf8Path(dir_ / (encrypt ? "link.txt" : "sealed-link.txt")),
                        test::Utf8Path(dir_ / "o"),
                        {}};
    const Error e = encrypt ? EncryptToFile(HostFileSystem(), gen_, u"pw", job)
                            : DecryptToFile(HostFileSystem(), gen_, u"pw", job);
    EXPECT_EQ(e.kind, ErrorKind::kRefused);
  }
  EXPECT_EQ(Files(), before);
}

TEST_F(OperationTest, OutputsKeepTheInputsPermissionBits) {
  Put("plain.txt", "hello world");
  fs::permissions(dir_ / "plain.txt", fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_FALSE(
      EncryptToFile(HostFileSystem(), gen_, u"pw",
                    {test::Utf8Path(dir_ / "plain.txt"), test::Utf8Path(dir_ / "sealed"), {}}));
  EXPECT_EQ(fs::status(dir_ / "sealed").permissions(),
            fs::status(dir_ / "plain.txt").permissions());
  ASSERT_EQ(Encrypt("plain.txt", {true, true}).result, OperationResult::kDone);
  EXPECT_EQ(fs::status(dir_ / "plain.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace sigillo
