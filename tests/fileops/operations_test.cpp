#include <vector>

#include "fileops/operation_fixture.h"
#include "support/held_file.h"

namespace sigillo {
namespace {

using test::OperationTest;
using Events = std::vector<std::string>;

const std::string kAskContinue = "ask: ";  // an empty text asks the default question
const std::string kSecondQuestion =
    "ask: Filen är nu krypterad till en temporär fil. Vill du fullfölja krypteringen och förstöra "
    "originalfilen och ersätta den med den krypterade temporära filen?";

TEST_F(OperationTest, EncryptAnsweredYesTwiceLeavesOnlyTheEncryptedFile) {
  const std::string content = test::PatternBytes(70000);
  Put("report.docx", content);
  const auto outcome = Encrypt("report.docx", {true, true});
  EXPECT_EQ(outcome.result, OperationResult::kDone) << outcome.detail;
  EXPECT_EQ(window_.events, (Events{kAskContinue, "busy", kSecondQuestion, "done", "idle"}));
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"report.docx", Sealed(content)}}));
  EXPECT_EQ(reports_, 1);
  EXPECT_EQ(window_.file, u"");
  EXPECT_EQ(window_.password, u"");
}

TEST_F(OperationTest, EncryptThenDecryptRestoresTheContent) {
  for (size_t size : {0u, 1u, 256u, 5000u}) {
    const std::string content = test::PatternBytes(size, 3);
    Put("f.txt", content);
    ASSERT_EQ(Encrypt("f.txt", {true, true}).result, OperationResult::kDone);
    ASSERT_EQ(Decrypt("f.txt", u"hemligt").result, OperationResult::kDone);
    EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"f.txt", content}})) << size;
  }
}

TEST_F(OperationTest, AnswersNoLeaveTheFileAsItWas) {
  Put("a.txt", "plain");
  EXPECT_EQ(Encrypt("a.txt", {false}).result, OperationResult::kCancelled);
  EXPECT_EQ(window_.events, (Events{kAskContinue}));
  EXPECT_EQ(window_.file, PathOf("a.txt"));  // the boxes keep their contents

  window_.events.clear();
  EXPECT_EQ(Encrypt("a.txt", {true, false}).result, OperationResult::kKept);
  EXPECT_EQ(window_.events, (Events{kAskContinue, "busy", kSecondQuestion, "done", "idle"}));
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.txt", "plain"}}));
  EXPECT_EQ(window_.file, u"");
}

TEST_F(OperationTest, WrongPasswordKeepsTheEncryptedFile) {
  Put("a.txt", Sealed("secret"));
  const auto before = Files();
  EXPECT_EQ(Decrypt("a.txt", u"Hemligt").result, OperationResult::kCheckFailed);
  EXPECT_EQ(window_.Messages(),
            (Events{kAskContinue,
                    "error: Ett fel uppstod. Antingen har fel lösenord använts eller så är filen "
                    "skadad."}));
  EXPECT_EQ(Files(), before);
  EXPECT_EQ(window_.file, u"");
}

TEST_F(OperationTest, BareMagicDecryptsToAnEmptyFile) {
  Put("m", "$QZ2048$");
  EXPECT_EQ(Decrypt("m", u"any").result, OperationResult::kDone);
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"m", ""}}));
  EXPECT_TRUE(window_.SawDone());
}

// Every refusal shows its one message, changes nothing and never enters the busy state.
TEST_F(OperationTest, ValidationRefusalsChangeNothing) {
  Put("plain.txt", "plain");
  Put("sealed.txt", Sealed("x"));
  Put("short", "$QZ");
  Put("b.txt", "b");
  Put("b.TMP", "leftover");
  Put("c.TMP", "itself");
  std::filesystem::create_directory(dir_ / "folder");
  struct Case {
    bool encrypt;
    std::string file;
    Text password, repeat;
    bool swedish;
    std::string message;
  };
  const std::vector<Case> cases = {
      {true, "sealed.txt", u"p", u"p", true,
       "Ange en existerande fil som inte redan är krypterad."},
      {true, "missing", u"p", u"p", false, "指定一个现有的文件已加密."},
      {true, "folder", u"p", u"p", true, "Ange en existerande fil som inte redan är krypterad."},
      {true, "", u"p", u"p", true, "Ange en existerande fil som inte redan är krypterad."},
      {false, "plain.txt", u"p", u"p", true, "Ange en existerande fil som är krypterad."},
      {false, "short", u"p", u"p", false, "指定一个现有的文件加密."},
      {true, "plain.txt", u"", u"p", true, "Ange lösenordet."},
      {false, "sealed.txt", u"p", u"", false, "指定密码."},
      {true, "plain.txt", u"Pw", u"pw", true, "Lösenorden matchar inte."},
      {false, "sealed.txt", u"pw", u"pW", false, "密码不匹配."},
      {true, "b.txt", u"p", u"p", true,
       "Den temporära filen (.TMP) som kommer användas finns redan."},
      {true, "b.txt", u"p", u"p", false, "临时文件 (.TMP) 将使用已存在"},
      {true, "c.TMP", u"p", u"p", false, "临时文件 (.TMP) 将使用已存在"},
  };
  const auto before = Files();
  for (const auto& c : cases) {
    window_ = {};
    window_.file = c.file.empty() ? Text() : PathOf(c.file);
    window_.password = c.password;
    window_.repeat = c.repeat;
    window_.swedish = c.swedish;
    window_.answers = {true, true};
    OperationContext context = Context(HostFileSystem());
    const auto outcome =
        c.encrypt ? EncryptOperation(window_, context) : DecryptOperation(window_, context);
    EXPECT_EQ(outcome.result, OperationResult::kRefused) << c.file;
    EXPECT_EQ(window_.events, (Events{"error: " + c.message})) << c.file;
    EXPECT_EQ(window_.password, c.password);
  }
  // The decrypt message about the temporary file ends with a full stop.
  Put("d.TMP", "leftover");
  Put("d.txt", Sealed("x"));
  window_ = {};
  window_.swedish = false;
  Decrypt("d.txt", u"p");
  EXPECT_EQ(window_.events, (Events{"error: 临时文件 (.TMP) 将使用已存在."}));
  std::filesystem::remove(dir_ / "d.TMP");
  std::filesystem::remove(dir_ / "d.txt");
  EXPECT_EQ(Files(), before);
}

TEST_F(OperationTest, FileHeldOpenByAnotherProgramFailsInsideTheRun) {
  Put("a.txt", "plain");
  OperationOutcome outcome;
  {
    const test::HeldFile held(dir_ / "a.txt");
    ASSERT_TRUE(held.held());
    outcome = Encrypt("a.txt", {true, true});
  }
  EXPECT_EQ(outcome.result, OperationResult::kFailed);
  EXPECT_EQ(window_.Messages(), (Events{kAskContinue, "error: Ett fel uppstod."}));
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.txt", "plain"}}));
}

TEST_F(OperationTest, StatusLineFollowsThePassesAndPumpsOnlyOnChange) {
  Put("big", test::PatternBytes(3 << 20));
  ASSERT_EQ(Encrypt("big", {true, true}).result, OperationResult::kDone);
  const auto& s = window_.statuses;
  auto at = [&](const std::string& text) {
    return std::find(s.begin(), s.end(), text) - s.begin();
  };
  EXPECT_LT(at("Beräknar..."), at("Beräknar 1 %"));
  EXPECT_LT(at("Beräknar 100 %"), at("Krypterar..."));
  EXPECT_LT(at("Krypterar 100 %"), at("Förstör..."));
  EXPECT_LT(at("Förstör..."), at("Förstör 100 %"));
  EXPECT_LT(at("Förstör 100 %"), static_cast<std::ptrdiff_t>(s.size()));
  // Each pass writes every percentage at most once, and pumps once per write.
  const std::ptrdiff_t progress_writes =
      std::count_if(s.begin(), s.end(), [](const std::string& t) { return t.ends_with(" %"); });
  EXPECT_EQ(window_.pumps, progress_writes);
  EXPECT_LE(progress_writes, 3 * 101);
}

TEST_F(OperationTest, EmptyFileShowsFullProgress) {
  Put("empty", "");
  window_.swedish = false;
  ASSERT_EQ(Encrypt("empty", {true, true}).result, OperationResult::kDone);
  EXPECT_NE(std::find(window_.statuses.begin(), window_.statuses.end(), "加密 100 %"),
            window_.statuses.end());
  EXPECT_EQ(Files(),
            (std::map<std::string, std::string>{{"empty", std::string("$QZ2048$\0\0\0\0", 12)}}));
}

// A program that writes to the file between the check-value pass and the cipher
// pass must not get its file destroyed for an encrypted copy of other content.
class ChangingFileSystem final : public FileSystem {
 public:
  explicit ChangingFileSystem(std::string path) : path_(std::move(path)) {}
  PathKind Kind(const std::string& p) override { return real_.Kind(p); }
  std::unique_ptr<FileHandle> OpenRead(const std::string& p) override {
    if (p == path_ && ++opens_ == 3) test::WriteFile(p, "changed!");  // validation, check, cipher
    return real_.OpenRead(p);
  }
  std::unique_ptr<FileHandle> OpenWrite(const std::string& p) override {
    return real_.OpenWrite(p);
  }
  std::unique_ptr<FileHandle> Create(const std::string& p, uint32_t m) override {
    return real_.Create(p, m);
  }
  bool RenameNoReplace(const std::string& a, const std::string& b) override {
    return real_.RenameNoReplace(a, b);
  }
  bool Remove(const std::string& p) override { return real_.Remove(p); }
  bool SyncFolderOf(const std::string& p) override { return real_.SyncFolderOf(p); }

 private:
  FileSystem& real_ = HostFileSystem();
  std::string path_;
  int opens_ = 0;
};

TEST_F(OperationTest, ContentChangedBetweenPassesFailsAndDestroysNothing) {
  Put("a.txt", "original");
  ChangingFileSystem fs(test::Utf8Path(dir_ / "a.txt"));
  const auto outcome = Encrypt("a.txt", {true, true}, fs);
  EXPECT_EQ(outcome.result, OperationResult::kFailed);
  EXPECT_EQ(window_.Messages(), (Events{kAskContinue, "error: Ett fel uppstod."}));
  EXPECT_EQ(Files(), (std::map<std::string, std::string>{{"a.txt", "changed!"}}));
}

TEST_F(OperationTest, SecondLanguageTexts) {
  Put("a.txt", "x");
  window_.swedish = false;
  Encrypt("a.txt", {true, true});
  window_.swedish = false;
  EXPECT_EQ(
      window_.events[2],
      "ask: 现在，到临时文件加密文件。 希望完成加密和销毁原始文件并将其替换为加密的临时文件吗?");
  EXPECT_NE(std::find(window_.statuses.begin(), window_.statuses.end(), "删除..."),
            window_.statuses.end());
  window_.events.clear();
  window_.swedish = false;
  Decrypt("a.txt", u"wrong");
  EXPECT_EQ(window_.Messages().back(), "error: 出现了一个错误。 该密码不正确，或该文件已损坏.");
}

}  // namespace
}  // namespace sigillo
