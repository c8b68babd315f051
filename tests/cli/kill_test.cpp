#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "support/content_check.h"
#include "support/temp_dir.h"

extern char** environ;

namespace sigillo {
namespace {

using Clock = std::chrono::steady_clock;

// Starts an in-place encryption of dir/data.bin; returns the process.
pid_t StartEncrypt(const test::TempDir& dir) {
  const std::string file = (dir / "data.bin").string();
  const std::string password =
      (dir.path().parent_path() / (dir.path().filename().string() + ".pw")).string();
  test::WriteFile(password, "hemligt\n");
  std::vector<std::string> args = {SIGILLO_CLI_PATH,  "encrypt", "--yes",
                                   "--password-file", password,  file};
  std::vector<char*> argv;
  for (auto& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  EXPECT_EQ(posix_spawn(&pid, SIGILLO_CLI_PATH, nullptr, nullptr, argv.data(), environ), 0);
  return pid;
}

TEST(KilledEncryption, NeverLosesTheContent) {
  const std::string content = test::PatternBytes(8 << 20, 3);
  // How long an undisturbed run takes, to spread the kills over it.
  Clock::duration whole{};
  {
    test::TempDir dir;
    test::WriteFile(dir / "data.bin", content);
    const auto start = Clock::now();
    int status = 0;
    waitpid(StartEncrypt(dir), &status, 0);
    whole = Clock::now() - start;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(test::ContentSurvives(dir.path(), "data.bin", content, u"hemligt"));
    std::filesystem::remove(dir.path().parent_path() / (dir.path().filename().string() + ".pw"));
  }
  std::mt19937 random(20261211);
  for (int round = 0; round < 10; ++round) {
    test::TempDir dir;
    test::WriteFile(dir / "data.bin", content);
    const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(whole) *
                       std::uniform_real_distribution<double>(0.05, 1.0)(random);
    const pid_t pid = StartEncrypt(dir);
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(test::ContentSurvives(dir.path(), "data.bin", content, u"hemligt"))
        << "killed after " << delay.count() << " us";
    std::filesystem::remove(dir.path().parent_path() / (dir.path().filename().string() + ".pw"));
  }
}

}  // namespace
}  // namespace sigillo
