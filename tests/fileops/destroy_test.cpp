#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "fileops/destroy.h"
#include "fileops/format.h"
#include "fileops/progress.h"
#include "support/scripted_window.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

TEST(PercentOf, RoundsHalfToEven) {
  struct Case {
    int64_t part, whole, percent;
  };
  for (const auto& c : {Case{1, 8, 12}, Case{3, 8, 38}, Case{5, 8, 62}, Case{7, 8, 88},
                        Case{0, 8, 0}, Case{8, 8, 100}, Case{268, 268, 100}, Case{0, 0, 100},
                        Case{int64_t{1} << 40, int64_t{1} << 41, 50}}) {
    EXPECT_EQ(PercentOf(c.part, c.whole, 100), c.percent) << c.part << "/" << c.whole;
  }
  EXPECT_FALSE(InvertFlag(true));
  EXPECT_TRUE(InvertFlag(false));
}

TEST(UpdateProgress, WritesAndPumpsOnlyWhenTheTextChanges) {
  test::ScriptedWindow window;
  const TextPair word{u"Krypterar", u"加密"};
  for (int64_t position : {0, 1, 2, 50, 51, 100})
    UpdateProgress(window, word, position, 100);
  UpdateProgress(window, word, 100, 100);
  EXPECT_EQ(window.statuses,
            (std::vector<std::string>{"Krypterar 0 %", "Krypterar 1 %", "Krypterar 2 %",
                                      "Krypterar 50 %", "Krypterar 51 %", "Krypterar 100 %"}));
  EXPECT_EQ(window.pumps, 6);
  window.swedish = false;
  UpdateProgress(window, word, 1, 8);
  EXPECT_EQ(window.statuses.back(), "加密 12 %");
}

TEST(Destruction, ByteAlphabetAndFiller) {
  const Text alphabet = ByteAlphabet();
  ASSERT_EQ(alphabet.size(), 256u);
  for (size_t i = 0; i < alphabet.size(); ++i)
    EXPECT_EQ(alphabet[i], i);
  Generator gen(99);
  const auto filler = FillerBlock(gen);
  EXPECT_EQ(std::set<uint8_t>(filler.begin(), filler.end()).size(), 256u);
  EXPECT_EQ(gen.Draws(), 512u);
}

TEST(Destruction, OverwriteRepeatsTheFillerAndKeepsTheSize) {
  test::TempDir dir;
  Generator gen(7);
  const auto filler = FillerBlock(gen);
  const std::string block(filler.begin(), filler.end());
  for (size_t size : std::initializer_list<size_t>{0, 1, 255, 256, 256 * 3 + 17, (1 << 20) + 5}) {
    const auto path = dir / "f";
    test::WriteFile(path, test::PatternBytes(size));
    test::ScriptedWindow window;
    {
      auto file = HostFileSystem().OpenWrite(test::Utf8Path(path));
      ASSERT_TRUE(file);
      ASSERT_TRUE(OverwriteWithFiller(*file, filler, window));
    }
    const std::string after = test::ReadFile(path);
    ASSERT_EQ(after.size(), size);
    for (size_t i = 0; i < size; ++i)
      ASSERT_EQ(after[i], block[i % 256]) << size << " at " << i;
    EXPECT_EQ(window.statuses.back(), "Förstör 100 %");
  }
}

TEST(Destruction, UniqueAndRandomNames) {
  test::TempDir dir;
  const Text folder = Utf8ToTextLossy(test::Utf8Path(dir.path())) + u"/";
  EXPECT_EQ(UniqueFileName(HostFileSystem(), folder + u"x-?.TMP", 1), folder + u"x-1.TMP");
  test::WriteFile(dir / "x-1.TMP", "");
  test::WriteFile(dir / "x-2.TMP", "");
  EXPECT_EQ(UniqueFileName(HostFileSystem(), folder + u"x-?.TMP", 1), folder + u"x-3.TMP");

  Generator gen(5);
  const std::string name =
      TextToUtf8(RandomDestroyName(HostFileSystem(), gen, folder + u"report.docx"));
  const std::string prefix = test::Utf8Path(dir.path()) + "/";
  ASSERT_EQ(name.size(), prefix.size() + 16 + 6) << name;
  EXPECT_TRUE(name.starts_with(prefix) && name.ends_with("-1.TMP")) << name;
  EXPECT_TRUE(std::all_of(name.begin() + prefix.size(), name.end() - 6, [](char c) {
    return std::isalnum(static_cast<unsigned char>(c));
  })) << name;

  struct Case {
    Text path, folder;
  };
  for (const auto& c : {Case{u"C:\\Data\\a.txt", u"C:\\Data\\"}, Case{u"C:a.txt", u"C:\\"},
                        Case{u"/home/u/a.txt", u"/home/u/"}, Case{u"a.txt", u""}}) {
    EXPECT_EQ(FolderPart(c.path), c.folder);
  }
}

}  // namespace
}  // namespace sigillo
