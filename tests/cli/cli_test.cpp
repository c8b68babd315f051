#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <vector>

#include "cli/cli.h"
#include "cli/password.h"
#include "support/temp_dir.h"

namespace sigillo::cli {
namespace {

// The command line run in-process, with a scripted terminal.
class CliTest : public ::testing::Test {
 protected:
  test::TempDir dir_;
  std::istringstream in_;
  std::ostringstream out_, err_;
  std::deque<std::string> typed_;  // lines typed at the hidden prompt
  bool has_terminal_ = true;

  int Run(std::vector<std::string> args, const std::string& stdin_text = "") {
    in_.str(stdin_text);
    in_.clear();
    out_.str("");
    err_.str("");
    Console console;
    console.in = &in_;
    console.out = &out_;
    console.err = &err_;
    console.read_secret = [this](const std::string&, std::string& line) {
      if (!has_terminal_ || typed_.empty()) return false;
      line = typed_.front();
      typed_.pop_front();
      return true;
    };
    return cli::Run(args, console);
  }

  std::string P(const char* name) const { return (dir_ / name).string(); }
  void Write(const char* name, std::string_view content) { test::WriteFile(dir_ / name, content); }
};

TEST_F(CliTest, EncryptThenDecryptWithPasswordFileAndStdin) {
  Write("plain", "top secret\n");
  Write("pw", "lösenord\r\nsecond line ignored");
  ASSERT_EQ(Run({"encrypt", "--password-file", P("pw"), "--output", P("sealed"), P("plain")}), kOk)
      << err_.str();
  EXPECT_EQ(test::ReadFile(dir_ / "sealed").substr(0, 8), "$QZ2048$");
  ASSERT_EQ(Run({"decrypt", "--password-file=-", "-o", P("back"), P("sealed")}, "lösenord\n"), kOk)
      << err_.str();
  EXPECT_EQ(test::ReadFile(dir_ / "back"), "top secret\n");
  EXPECT_EQ(test::ReadFile(dir_ / "plain"), "top secret\n");

  EXPECT_EQ(Run({"decrypt", "--password-file=-", "-o", P("again"), P("sealed")}, "Lösenord"),
            kCheckFailed);
  EXPECT_EQ(err_.str(), "sigillo-cli: error: wrong password or damaged file\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "again"));
}

TEST_F(CliTest, TerminalPasswordIsAskedTwiceForEncryption) {
  Write("plain", "x");
  typed_ = {"abc", "abd"};
  EXPECT_EQ(Run({"encrypt", "-o", P("s1"), P("plain")}), kUsage);
  EXPECT_EQ(err_.str(), "sigillo-cli: error: the passwords do not match\n");
  typed_ = {"abc", "abc"};
  EXPECT_EQ(Run({"encrypt", "-o", P("s2"), P("plain")}), kOk);
  typed_ = {"abc"};
  EXPECT_EQ(Run({"decrypt", "-o", P("back"), P("s2")}), kOk);
  EXPECT_EQ(test::ReadFile(dir_ / "back"), "x");
  has_terminal_ = false;
  EXPECT_EQ(Run({"decrypt", "-o", P("back2"), P("s2")}), kUsage);
}

TEST_F(CliTest, ErrorsAreOneLowerCaseLineWithDistinctCodes) {
  Write("plain", "abc");
  Write("sealed", "$QZ2048$1234");
  Write("taken", "keep");
  std::filesystem::create_directory(dir_ / "folder");
  struct Case {
    std::vector<std::string> args;
    std::string stdin_text;
    int code;
  };
  const std::vector<Case> cases = {
      {{}, "", kUsage},
      {{"frobnicate"}, "", kUsage},
      {{"encrypt", "--bogus", P("plain")}, "", kUsage},
      {{"encrypt", "--password-file=-", P("plain")}, "pw", kUsage},  // no --output yet
      {{"encrypt", "--password-file=-", "-o", P("o")}, "pw", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("o"), P("sealed")}, "pw", kUsage},
      {{"decrypt", "--password-file=-", "-o", P("o"), P("plain")}, "pw", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("o"), P("missing")}, "pw", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("o"), P("folder")}, "pw", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("taken"), P("plain")}, "pw", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("o"), P("plain")}, "", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("o"), P("plain")}, "\xff\xfe", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("o"), P("plain")}, std::string(257, 'a'), kUsage},
      {{"encrypt", "--password-file", P("nofile"), "-o", P("o"), P("plain")}, "", kUsage},
      {{"encrypt", "--password-file=-", "-o", P("nodir/o"), P("plain")}, "pw", kFailure},
  };
  for (const auto& c : cases) {
    const int code = Run(c.args, c.stdin_text);
    EXPECT_EQ(code, c.code) << (c.args.empty() ? "" : c.args.front()) << " " << err_.str();
    const std::string err = err_.str();
    if (!c.args.empty()) {
      EXPECT_TRUE(err.starts_with("sigillo-cli: error: ")) << err;
      EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
      EXPECT_NE(err[err.size() - 2], '.') << err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "o"));
    EXPECT_EQ(test::ReadFile(dir_ / "taken"), "keep");
  }
}

TEST(PasswordFromUtf8, LengthCountsUtf16CodeUnits) {
  struct Case {
    std::string utf8;
    size_t units;  // 0: refused
  };
  const std::vector<Case> cases = {
      {"a", 1},
      {std::string(256, 'a'), 256},
      {std::string(257, 'a'), 0},
      {"", 0},
      {"\xc3\xa5", 1},                  // one code unit
      {"\xf0\x9f\x94\x91", 2},          // a surrogate pair
      {std::string(128 * 4, '\0'), 0},  // 512 NULs are still too long
      {"\xc0\xaf", 0},                  // overlong form
  };
  for (const auto& c : cases) {
    Text out;
    const std::string error = PasswordFromUtf8(c.utf8, out);
    EXPECT_EQ(error.empty() ? out.size() : 0u, c.units) << error;
  }
}

TEST_F(CliTest, StatusHelpAndVersion) {
  Write("plain", "abc");
  Write("sealed", "$QZ2048$1234");
  EXPECT_EQ(Run({"status", P("plain"), P("sealed"), P("missing")}), kOk);
  EXPECT_EQ(out_.str(), P("plain") + ": not encrypted\n" + P("sealed") + ": encrypted\n" +
                            P("missing") + ": missing\n");
  EXPECT_EQ(Run({"--help"}), kOk);
  EXPECT_NE(out_.str().find("sigillo-cli encrypt"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), kOk);
  EXPECT_EQ(out_.str(), "sigillo-cli 1.41\n");
}

}  // namespace
}  // namespace sigillo::cli
