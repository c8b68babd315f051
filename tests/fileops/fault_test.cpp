#include <vector>

#include "fileops/format.h"
#include "fileops/operation_fixture.h"
#include "support/content_check.h"
#include "support/faulty_file_system.h"

namespace sigillo {
namespace {

// Every failure point of an operation, one run per point: the content is never
// lost, and the user is never told "Klart!" after a failure.
class FaultTest : public test::OperationTest {
 protected:
  const std::string content_ = test::PatternBytes(300000, 11);

  bool ContentSurvives() const {
    return test::ContentSurvives(dir_.path(), "data.bin", content_, u"hemligt");
  }

  void Reset(const std::string& file_content) {
    for (const auto& e : std::filesystem::directory_iterator(dir_.path()))
      std::filesystem::remove(e.path());
    Put("data.bin", file_content);
    window_ = {};
  }
};

TEST_F(FaultTest, EncryptAtEveryFailurePoint) {
  int points = 0;
  for (int n = 1;; ++n) {
    Reset(content_);
    test::FaultyFileSystem fs(n);
    const auto outcome = Encrypt("data.bin", {true, true}, fs);
    SCOPED_TRACE("failing " + fs.FailedOperation());
    // An unreadable file counts as not encrypted, so a failure of that test alone
    // still lets the encryption run to its end.
    if (outcome.result == OperationResult::kDone) {
      EXPECT_TRUE(Files() == (std::map<std::string, std::string>{{"data.bin", Sealed(content_)}}));
      if (!fs.Triggered()) break;
      continue;
    }
    ++points;
    EXPECT_TRUE(ContentSurvives());
    EXPECT_EQ(outcome.result, OperationResult::kFailed);
    EXPECT_FALSE(window_.SawDone());
    EXPECT_EQ(window_.Messages().back(), "error: Ett fel uppstod.");
    // A failure before the second question leaves the plain file alone.
    const bool asked_second =
        std::any_of(window_.events.begin(), window_.events.end(),
                    [](const std::string& e) { return e.size() > 6 && e.starts_with("ask: "); });
    if (!asked_second) {
      EXPECT_EQ(test::ReadFile(dir_ / "data.bin"), content_);
    }
  }
  EXPECT_GT(points, 15);
}

TEST_F(FaultTest, DecryptAtEveryFailurePoint) {
  const std::string sealed = Sealed(content_);
  int points = 0;
  for (int n = 1;; ++n) {
    Reset(sealed);
    test::FaultyFileSystem fs(n);
    const auto outcome = Decrypt("data.bin", u"hemligt", fs);
    if (!fs.Triggered()) {
      EXPECT_EQ(outcome.result, OperationResult::kDone);
      EXPECT_TRUE(Files() == (std::map<std::string, std::string>{{"data.bin", content_}}));
      break;
    }
    ++points;
    SCOPED_TRACE("failing " + fs.FailedOperation());
    EXPECT_TRUE(ContentSurvives());
    EXPECT_FALSE(window_.SawDone());
    // The encrypted file stays, and no deciphered copy is left beside it; only a
    // failure to flush the folder after the replacement leaves the replaced file.
    const auto files = Files();
    EXPECT_TRUE(files == (std::map<std::string, std::string>{{"data.bin", sealed}}) ||
                (fs.FailedOperation().starts_with("sync folder") &&
                 files == std::map<std::string, std::string>{{"data.bin", content_}}));
  }
  EXPECT_GT(points, 10);
}

}  // namespace
}  // namespace sigillo
