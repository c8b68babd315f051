// The facts of the Linux machine the tests run on, and the display provider.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>

#include "toolz/facts.h"

namespace sigillo {
namespace {

class FixedDisplay : public DisplayFacts {
 public:
  int32_t ScreenWidth() const override { return 1280; }
  int32_t ScreenHeight() const override { return 1024; }
  int32_t ScreenRefreshRate() const override { return 60; }
  int32_t ScreenBitsPerPixel() const override { return 32; }
  int32_t CursorX() const override { return -1920; }
  int32_t CursorY() const override { return 5; }
  int32_t IdleTime() const override { return 1234; }
};

class FailingDisplay : public FixedDisplay {
 public:
  int32_t ScreenWidth() const override { throw std::runtime_error("no display"); }
};

// Restores the absence of a provider, whatever the test installed.
class DisplayProvider : public ::testing::Test {
 protected:
  void TearDown() override { SetDisplayFactsProvider(nullptr); }
};

TEST_F(DisplayProvider, HostAnswersZeroWithoutOneAndTheProvidersValuesWithOne) {
  const SystemFacts& host = HostFacts();
  SetDisplayFactsProvider(nullptr);
  EXPECT_EQ(host.ScreenWidth(), 0);
  EXPECT_EQ(host.CursorX(), 0);
  EXPECT_EQ(host.IdleTime(), 0);

  SetDisplayFactsProvider(std::make_shared<FixedDisplay>());
  EXPECT_EQ(host.ScreenWidth(), 1280);
  EXPECT_EQ(host.ScreenHeight(), 1024);
  EXPECT_EQ(host.ScreenRefreshRate(), 60);
  EXPECT_EQ(host.ScreenBitsPerPixel(), 32);
  EXPECT_EQ(host.CursorX(), -1920);
  EXPECT_EQ(host.CursorY(), 5);
  EXPECT_EQ(host.IdleTime(), 1234);
}

TEST_F(DisplayProvider, AFailingProviderGivesZero) {
  SetDisplayFactsProvider(std::make_shared<FailingDisplay>());
  EXPECT_EQ(HostFacts().ScreenWidth(), 0);
  EXPECT_EQ(HostFacts().ScreenHeight(), 1024);
}

TEST(HostFacts, DrivesIncludeTheRootAsCWithSaneVolumeFacts) {
  const SystemFacts& host = HostFacts();
  const TextList drives = host.DrivesOfType(kDriveFixed);
  ASSERT_FALSE(drives.empty());
  EXPECT_EQ(drives.front(), Text(u"C"));
  for (const Text& letter : drives) {
    ASSERT_EQ(letter.size(), 1u);
    const Text serial = host.VolumeSerialText(letter);
    ASSERT_EQ(serial.size(), 9u);
    EXPECT_EQ(serial[4], u'-');
    EXPECT_NE(host.VolumeFileSystem(letter), Text(u"N/A"));
    EXPECT_NE(host.VolumeLabel(letter), Text(u"N/A"));
    const int64_t total = host.DriveTotalBytes(letter);
    const int64_t free = host.DriveFreeBytes(letter);
    EXPECT_GE(total, free);
    EXPECT_GE(free, 0);
    EXPECT_EQ(host.DriveUsedBytes(letter), total - free);
  }
  EXPECT_GT(host.DriveTotalBytes(u"C"), 0);
  EXPECT_TRUE(host.DrivesOfType(5).empty());
}

TEST(HostFacts, ALetterWithoutADriveGivesTheFallbacks) {
  const SystemFacts& host = HostFacts();
  for (const Text& letter : {Text(u"B"), Text(), Text(u"CD")}) {  // B is never given out
    EXPECT_EQ(host.VolumeSerialText(letter), Text(u"0000-0000"));
    EXPECT_EQ(host.VolumeLabel(letter), Text(u"N/A"));
    EXPECT_EQ(host.VolumeFileSystem(letter), Text(u"N/A"));
    EXPECT_EQ(host.DriveTotalBytes(letter), -1);
    EXPECT_EQ(host.DriveFreeBytes(letter), -1);
    EXPECT_EQ(host.DriveUsedBytes(letter), 0);
  }
}

TEST(HostFacts, NamesProgramAndCounters) {
  const SystemFacts& host = HostFacts();
  EXPECT_FALSE(host.CurrentUserName().empty());
  EXPECT_FALSE(host.CurrentComputerName().empty());
  EXPECT_EQ(host.ProgramFileName(), Text(u"toolz_report_test"));
  EXPECT_EQ(host.AppFileTitle(), Text(u"toolz_report_test"));
  EXPECT_EQ(host.ProgramFileExt(true), Text());
  EXPECT_EQ(host.ProgramPath().front(), u'/');
  EXPECT_EQ(host.CurrentProcessId(), static_cast<uint32_t>(getpid()));
  EXPECT_NE(host.CurrentThreadId(), 0u);
  EXPECT_GT(host.OSTickCount(), 0u);
  EXPECT_EQ(host.OSName(), Text(u"N/A"));
  EXPECT_EQ(host.WindowsFolder(), Text(u"/usr/"));
  EXPECT_EQ(host.SystemFolder(), Text(u"/usr/lib/"));
}

TEST(HostFacts, LocaleIdentifierFollowsTheFirstSetLocaleVariable) {
  int32_t expected = 1033;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') {
      expected = LocaleIdFromPosixName(value);
      break;
    }
  }
  EXPECT_EQ(HostFacts().LocaleIdentifier(), expected);
}

TEST(HostFacts, TempFolderFromTmpdirWithATrailingSlash) {
  const char* old = std::getenv("TMPDIR");
  const std::string saved = old != nullptr ? old : "";
  setenv("TMPDIR", "/var/tmp", 1);
  EXPECT_EQ(HostFacts().TempFolder(), Text(u"/var/tmp/"));
  setenv("TMPDIR", "/scratch/", 1);
  EXPECT_EQ(HostFacts().TempFolder(), Text(u"/scratch/"));
  unsetenv("TMPDIR");
  EXPECT_EQ(HostFacts().TempFolder(), Text(u"/tmp/"));
  if (old != nullptr) setenv("TMPDIR", saved.c_str(), 1);
}

}  // namespace
}  // namespace sigillo
