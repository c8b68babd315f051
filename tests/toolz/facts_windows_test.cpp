// The facts of the Windows machine (or wine) the tests run on.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "toolz/datetime.h"
#include "toolz/facts.h"
#include "toolz/text.h"

namespace sigillo {
namespace {

bool IsFolder(const Text& folder) {
  return std::filesystem::is_directory(std::filesystem::path(std::u16string(folder)));
}

TEST(HostFacts, FixedDrivesWithSaneVolumeFacts) {
  const SystemFacts& host = HostFacts();
  const TextList drives = host.DrivesOfType(kDriveFixed);
  ASSERT_FALSE(drives.empty());
  EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
  EXPECT_NE(std::find(drives.begin(), drives.end(), Text(u"C")), drives.end());
  for (const Text& letter : drives) {
    ASSERT_EQ(letter.size(), 1u);
    const Text serial = host.VolumeSerialText(letter);
    ASSERT_EQ(serial.size(), 9u);
    EXPECT_EQ(serial[4], u'-');
    EXPECT_NE(host.VolumeFileSystem(letter), Text(u"N/A")) << TextToUtf8(letter);
  }
  const int64_t total = host.DriveTotalBytes(u"C");
  const int64_t free = host.DriveFreeBytes(u"C");
  EXPECT_GT(total, 0);
  EXPECT_GE(total, free);
  EXPECT_GE(free, 0);
  // Read afresh, so other programs' writes meanwhile may move it a little.
  EXPECT_NEAR(static_cast<double>(host.DriveUsedBytes(u"C")), static_cast<double>(total - free),
              256.0 * 1024 * 1024);
}

TEST(HostFacts, ALetterWithoutADriveGivesTheFallbacks) {
  const SystemFacts& host = HostFacts();
  TextList letters = {Text(), Text(u"CD"), Text(u"c:"), Text(u"1")};
  for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    if (GetDriveTypeW(root) == DRIVE_NO_ROOT_DIR) {
      letters.emplace_back(1, static_cast<char16_t>(letter));
      break;
    }
  }
  for (const Text& letter : letters) {
    EXPECT_EQ(host.VolumeSerialText(letter), Text(u"0000-0000")) << TextToUtf8(letter);
    EXPECT_EQ(host.VolumeLabel(letter), Text(u"N/A"));
    EXPECT_EQ(host.VolumeFileSystem(letter), Text(u"N/A"));
    EXPECT_EQ(host.DriveTotalBytes(letter), -1);
    EXPECT_EQ(host.DriveFreeBytes(letter), -1);
    EXPECT_EQ(host.DriveUsedBytes(letter), 0);
  }
}

TEST(HostFacts, NamesFoldersProgramAndCounters) {
  const SystemFacts& host = HostFacts();
  for (const Text& name : {host.CurrentUserName(), host.CurrentComputerName()}) {
    EXPECT_FALSE(name.empty());
    EXPECT_NE(name, Text(u"N/A"));
  }
  EXPECT_EQ(host.ProgramFileName(), Text(u"toolz_report_test.exe"));
  EXPECT_EQ(host.AppFileTitle(), Text(u"toolz_report_test"));
  EXPECT_EQ(host.ProgramFileExt(true), Text(u".exe"));
  EXPECT_EQ(host.ProgramFileExt(false), Text(u"exe"));
  const Text path = host.ProgramPath();
  ASSERT_GT(path.size(), 3u);
  EXPECT_EQ(path.substr(1, 2), Text(u":\\"));
  EXPECT_EQ(host.CurrentProcessId(), GetCurrentProcessId());
  EXPECT_EQ(host.CurrentThreadId(), GetCurrentThreadId());
  for (const Text& folder : {host.WindowsFolder(), host.SystemFolder(), host.TempFolder()}) {
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), u'\\') << TextToUtf8(folder);
    EXPECT_TRUE(IsFolder(folder)) << TextToUtf8(folder);
  }
  // The platform line and the two version numbers reach the name table in their places.
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ASSERT_TRUE(GetVersionExW(&version));
#pragma GCC diagnostic pop
  EXPECT_EQ(host.OSName(), OSNameOf(static_cast<int32_t>(version.dwPlatformId),
                                    version.dwMajorVersion, version.dwMinorVersion));
  const uint32_t before = GetTickCount();
  const uint32_t tick = host.OSTickCount();
  EXPECT_LE(tick - before, 10'000u);
}

TEST(HostFacts, DesktopAndInput) {
  const SystemFacts& host = HostFacts();
  EXPECT_GT(host.ScreenWidth(), 0);
  EXPECT_GT(host.ScreenHeight(), 0);
  EXPECT_GT(host.ScreenBitsPerPixel(), 0);
  EXPECT_GE(host.ScreenRefreshRate(), 0);
  EXPECT_GE(host.IdleTime(), 0);
  POINT cursor{};
  if (GetCursorPos(&cursor)) {
    EXPECT_EQ(host.CursorX(), cursor.x);
    EXPECT_EQ(host.CursorY(), cursor.y);
  }
}

TEST(HostFacts, LocaleIdentifierIsTheThreadLocaleAtStart) {
  const SystemFacts& host = HostFacts();
  const LCID start = GetThreadLocale();
  EXPECT_EQ(host.LocaleIdentifier(), static_cast<int32_t>(start));
  // Read once: a later change of the thread's locale does not reach it.
  SetThreadLocale(start == 1031 ? 1033 : 1031);
  EXPECT_EQ(host.LocaleIdentifier(), static_cast<int32_t>(start));
  SetThreadLocale(start);
}

// Registered with ctest a second time under LANG=sv_SE.UTF-8, which wine takes as the
// user's locale; skipped in the ordinary run.
TEST(SwedishLocale, IdentifierSeparatorAndNames) {
  if (std::getenv("SIGILLO_EXPECT_SWEDISH") == nullptr) {
    GTEST_SKIP() << "runs only under a Swedish locale";
  }
  EXPECT_EQ(HostFacts().LocaleIdentifier(), 1053);
  const Text separator = LocaleThousandsSeparator();
  EXPECT_TRUE(separator == u"\u00A0" || separator == u"\u202F" || separator == u" ")
      << TextToUtf8(separator);
  EXPECT_EQ(FormatCount(1000), u"1" + separator + u"000");
  EXPECT_EQ(LocaleDayName(6), Text(u"lördag"));
  EXPECT_EQ(LocaleMonthName(3), Text(u"mars"));
}

}  // namespace
}  // namespace sigillo
