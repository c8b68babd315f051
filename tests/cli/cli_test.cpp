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
  std::deque<bool> answers_;       // answers to the questions on the terminal
  std::vector<std::string> questions_;
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
    console.ask = [this](const std::string& question, bool& yes) {
      questions_.push_back(question);
      if (!has_terminal_ || answers_.empty()) return false;
      yes = answers_.front();
      answers_.pop_front();
      return true;
    };
    return cli::Run(args, console);
  }

  std::string P(const char* name) const { return test::Utf8Path(dir_ / name); }
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
      {{"encrypt", "--password-file=-", "--yes", "-o", P("o"), P("plain")}, "pw", kUsage},
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

TEST_F(CliTest, InPlaceWithYesEncryptsAndDecryptsEveryFile) {
  Write("a.txt", "alpha");
  Write("b.txt", "");
  ASSERT_EQ(Run({"encrypt", "--password-file=-", "--yes", P("a.txt"), P("b.txt")}, "pw"), kOk)
      << err_.str();
  EXPECT_EQ(test::ReadFile(dir_ / "a.txt").substr(0, 8), "$QZ2048$");
  EXPECT_EQ(test::ReadFile(dir_ / "b.txt"), std::string("$QZ2048$\0\0\0\0", 12));
  EXPECT_TRUE(questions_.empty());
  ASSERT_EQ(Run({"decrypt", "--password-file=-", "-y", P("a.txt"), P("b.txt")}, "pw"), kOk);
  EXPECT_EQ(test::ReadFile(dir_ / "a.txt"), "alpha");
  EXPECT_EQ(test::ReadFile(dir_ / "b.txt"), "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 2);
}

TEST_F(CliTest, InPlaceAsksBothQuestionsOnTheTerminal) {
  Write("a.txt", "alpha");
  struct Case {
    std::deque<bool> answers;
    bool encrypted;
    size_t questions;
  };
  for (const auto& c :
       {Case{{false}, false, 1}, Case{{true, false}, false, 2}, Case{{true, true}, true, 2}}) {
    answers_ = c.answers;
    questions_.clear();
    EXPECT_EQ(Run({"encrypt", "--password-file=-", P("a.txt")}, "pw"), kOk);
    EXPECT_EQ(test::ReadFile(dir_ / "a.txt") != "alpha", c.encrypted);
    EXPECT_EQ(questions_.size(), c.questions);
  }
  EXPECT_TRUE(questions_.front().starts_with(P("a.txt") + ": "));
  has_terminal_ = false;
  EXPECT_EQ(Run({"decrypt", "--password-file=-", P("a.txt")}, "pw"), kUsage);
  EXPECT_EQ(err_.str(),
            "sigillo-cli: error: " + P("a.txt") + ": no terminal to confirm (use --yes)\n");
}

TEST_F(CliTest, InPlaceExitCodeIsTheWorstOfTheFiles) {
  Write("a.txt", "alpha");
  Write("b.txt", "beta");
  ASSERT_EQ(Run({"encrypt", "--password-file=-", "--yes", P("a.txt")}, "pw"), kOk);
  const std::string sealed = test::ReadFile(dir_ / "a.txt");
  EXPECT_EQ(Run({"decrypt", "--password-file=-", "--yes", P("a.txt")}, "wrong"), kCheckFailed);
  EXPECT_EQ(test::ReadFile(dir_ / "a.txt"), sealed);
  // b.txt is refused (not encrypted), a.txt fails its check: the worse code wins.
  EXPECT_EQ(Run({"decrypt", "--password-file=-", "--yes", P("b.txt"), P("a.txt")}, "wrong"),
            kUsage);
  EXPECT_EQ(err_.str(), "sigillo-cli: error: " + P("b.txt") + ": not an existing encrypted file\n" +
                            "sigillo-cli: error: " + P("a.txt") +
                            ": wrong password or damaged file\n");
  EXPECT_EQ(test::ReadFile(dir_ / "b.txt"), "beta");
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
