#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "cli/child_process.h"
#include "support/content_check.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

using Clock = std::chrono::steady_clock;

// Starts an in-place encryption of dir/data.bin.
std::unique_ptr<test::ChildProcess> StartEncrypt(const test::TempDir& dir) {
  const std::string file = test::Utf8Path(dir / "data.bin");
  const std::string password =
      test::Utf8Path(dir.path().parent_path() / (dir.path().filename().string() + ".pw"));
  test::WriteFile(password, "hemligt\n");
  auto child = std::make_unique<test::ChildProcess>(std::vector<std::string>{
      SIGILLO_CLI_PATH, "encrypt", "--yes", "--password-file", password, file});
  EXPECT_TRUE(child->started());
  return child;
}

TEST(KilledEncryption, NeverLosesTheContent) {
  const std::string content = test::PatternBytes(8 << 20, 3);
  // How long an undisturbed run takes, to spread the kills over it.
  Clock::duration whole{};
  {
    test::TempDir dir;
    test::WriteFile(dir / "data.bin", content);
    const auto start = Clock::now();
    const int code = StartEncrypt(dir)->Wait();
    whole = Clock::now() - start;
    ASSERT_EQ(code, 0);
    ASSERT_TRUE(test::ContentSurvives(dir.path(), "data.bin", content, u"hemligt"));
    std::filesystem::remove(dir.path().parent_path() / (dir.path().filename().string() + ".pw"));
  }
  std::mt19937 random(20261211);
  for (int round = 0; round < 10; ++round) {
    test::TempDir dir;
    test::WriteFile(dir / "data.bin", content);
    const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(whole) *
                       std::uniform_real_distribution<double>(0.05, 1.0)(random);
    const auto child = StartEncrypt(dir);
    std::this_thread::sleep_for(delay);
    child->Kill();
    child->Wait();
    EXPECT_TRUE(test::ContentSurvives(dir.path(), "data.bin", content, u"hemligt"))
        << "killed after " << delay.count() << " us";
    std::filesystem::remove(dir.path().parent_path() / (dir.path().filename().string() + ".pw"));
  }
}

}  // namespace
}  // namespace sigillo
