// The system facts on Linux. Where Linux has no counterpart of a Windows fact:
// - fixed drives: "/" is drive C; every other mounted file system whose source is a
//   local, non-removable block device under /dev/ is D, E, ... by mount point (up to Z);
// - volume serial: from the file system's UUID (/dev/disk/by-uuid), label from
//   /dev/disk/by-label, file-system name from the mount table, sizes from statvfs;
// - Windows folder: /usr/ (the installed system); system folder: /usr/lib/ (its libraries);
// - temporary folder: $TMPDIR, else /tmp/; folders end with "/", the platform's separator;
// - locale identifier: from LC_ALL, LC_MESSAGES or LANG (the first set), read once;
// - tick count: CLOCK_BOOTTIME, which like the Windows tick count includes suspended time;
// - screen, cursor and idle time: from the display provider the desktop program installs.
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolz/facts.h"

namespace sigillo {
namespace {

std::string ReadWholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::string();
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A block device that is not removable media (USB sticks and optical drives are not fixed).
bool IsFixedBlockDevice(const std::string& source) {
  struct stat info {};
  if (stat(source.c_str(), &info) != 0 || !S_ISBLK(info.st_mode)) return false;
  const std::string device = "/sys/dev/block/" + std::to_string(major(info.st_rdev)) + ":" +
                             std::to_string(minor(info.st_rdev));
  // A partition's removable flag sits with its whole disk, one folder up.
  std::string flag = ReadWholeFile((device + "/removable").c_str());
  if (flag.empty()) flag = ReadWholeFile((device + "/../removable").c_str());
  return flag.rfind('1', 0) != 0;
}

std::optional<DriveMount> DriveOf(TextView letter) {
  if (letter.size() != 1) return std::nullopt;
  const std::vector<DriveMount> drives =
      AssignDriveLetters(ParseMountInfo(ReadWholeFile("/proc/self/mountinfo")), IsFixedBlockDevice);
  for (const DriveMount& drive : drives) {
    if (drive.letter == letter[0]) return drive;
  }
  return std::nullopt;
}

// The name of the /dev/disk/<folder> link that leads to the drive's device, if any.
std::optional<std::string> DiskLinkName(const DriveMount& drive, const std::string& folder) {
  struct stat device {};
  if (stat(drive.mount.source.c_str(), &device) != 0 || !S_ISBLK(device.st_mode)) {
    return std::nullopt;
  }
  std::error_code error;
  for (std::filesystem::directory_iterator it("/dev/disk/" + folder, error), end;
       !error && it != end; it.increment(error)) {
    struct stat target {};
    if (stat(it->path().c_str(), &target) == 0 && S_ISBLK(target.st_mode) &&
        target.st_rdev == device.st_rdev) {
      return it->path().filename().string();
    }
  }
  return std::nullopt;
}

// statvfs of the drive's mount point: (total, free) in bytes.
std::optional<std::pair<int64_t, int64_t>> DriveSizes(TextView letter) {
  const std::optional<DriveMount> drive = DriveOf(letter);
  struct statvfs info {};
  if (!drive || statvfs(drive->mount.mount_point.c_str(), &info) != 0) return std::nullopt;
  int64_t total = 0;
  int64_t free = 0;
  if (__builtin_mul_overflow(info.f_blocks, info.f_frsize, &total) ||
      __builtin_mul_overflow(info.f_bavail, info.f_frsize, &free)) {
    return std::nullopt;
  }
  return std::make_pair(total, free);
}

Text ExistingFolder(const char* path) {
  struct stat info {};
  if (stat(path, &info) != 0 || !S_ISDIR(info.st_mode)) return kNotAvailable;
  return EnsureTrailingSlash(AsciiText(path));
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

class LinuxFacts final : public SystemFacts {
 public:
  TextList DrivesOfType(int32_t type) const override {
    return GuardedFact(
        [type] {
          TextList letters;
          if (type != kDriveFixed) return letters;  // only fixed drives are known here
          for (const DriveMount& drive : AssignDriveLetters(
                   ParseMountInfo(ReadWholeFile("/proc/self/mountinfo")), IsFixedBlockDevice)) {
            letters.emplace_back(1, drive.letter);
          }
          return letters;
        },
        TextList());
  }

  Text VolumeSerialText(TextView letter) const override {
    return GuardedFact(
        [letter]() -> Text {
          const std::optional<DriveMount> drive = DriveOf(letter);
          if (!drive) return kNoSerial;
          const std::optional<std::string> uuid = DiskLinkName(*drive, "by-uuid");
          const std::optional<uint32_t> serial = uuid ? SerialFromUuid(*uuid) : std::nullopt;
          return VolumeSerialTextOf(serial.value_or(0));
        },
        Text(kNoSerial));
  }

  Text VolumeLabel(TextView letter) const override {
    return GuardedFact(
        [letter]() -> Text {
          const std::optional<DriveMount> drive = DriveOf(letter);
          if (!drive) return kNotAvailable;
          const std::optional<std::string> label = DiskLinkName(*drive, "by-label");
          return label ? Utf8ToTextLossy(DecodeUdevName(*label)) : Text();
        },
        Text(kNotAvailable));
  }

  Text VolumeFileSystem(TextView letter) const override {
    return GuardedFact(
        [letter]() -> Text {
          const std::optional<DriveMount> drive = DriveOf(letter);
          return drive ? Utf8ToTextLossy(drive->mount.fs_type) : Text(kNotAvailable);
        },
        Text(kNotAvailable));
  }

  int64_t DriveTotalBytes(TextView letter) const override {
    return GuardedFact(
        [letter] {
          const auto sizes = DriveSizes(letter);
          return sizes ? sizes->first : int64_t{-1};
        },
        int64_t{-1});
  }

  int64_t DriveFreeBytes(TextView letter) const override {
    return GuardedFact(
        [letter] {
          const auto sizes = DriveSizes(letter);
          return sizes ? sizes->second : int64_t{-1};
        },
        int64_t{-1});
  }

  Text CurrentUserName() const override {
    return GuardedFact(
        []() -> Text {
          long size = sysconf(_SC_GETPW_R_SIZE_MAX);
          std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
          passwd entry{};
          passwd* found = nullptr;
          if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
              found != nullptr && found->pw_name != nullptr && found->pw_name[0] != '\0') {
            return Utf8ToTextLossy(found->pw_name);
          }
          const std::string user = EnvironmentText("USER");
          return user.empty() ? Text(kNotAvailable) : Utf8ToTextLossy(user);
        },
        Text());
  }

  Text CurrentComputerName() const override {
    return GuardedFact(
        []() -> Text {
          char name[256] = {};
          if (gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return kNotAvailable;
          return Utf8ToTextLossy(name);
        },
        Text());
  }

  Text ProgramPath() const override {
    return GuardedFact(
        [] {
          std::error_code error;
          const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
          return error ? Text() : Utf8ToTextLossy(path.string());
        },
        Text());
  }

  Text ProgramFileName() const override { return FileNameOfPath(ProgramPath(), u"/"); }

  uint32_t CurrentProcessId() const override { return static_cast<uint32_t>(getpid()); }
  uint32_t CurrentThreadId() const override { return static_cast<uint32_t>(gettid()); }

  Text WindowsFolder() const override {
    return GuardedFact([] { return ExistingFolder("/usr"); }, Text());
  }
  Text SystemFolder() const override {
    return GuardedFact([] { return ExistingFolder("/usr/lib"); }, Text());
  }
  Text TempFolder() const override {
    return GuardedFact(
        [] {
          const std::string tmpdir = EnvironmentText("TMPDIR");
          return EnsureTrailingSlash(tmpdir.empty() ? Text(u"/tmp") : Utf8ToTextLossy(tmpdir));
        },
        Text());
  }

  int32_t LocaleIdentifier() const override {
    // Read once: the identifier stays what it was when the program started.
    static const int32_t lcid = GuardedFact(
        [] {
          for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            const std::string value = EnvironmentText(name);
            if (!value.empty()) return LocaleIdFromPosixName(value);
          }
          return kDefaultLocaleId;
        },
        kDefaultLocaleId);
    return lcid;
  }

  uint32_t OSTickCount() const override {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0 && clock_gettime(CLOCK_MONOTONIC, &now) != 0) {
      return 0;
    }
    const uint64_t ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);  // wraps like the Windows tick count
  }

  // Linux has no Windows platform line, so the name table gives "N/A".
  Text OSName() const override {
    return GuardedFact([] { return OSNameOf(0, 0, 0); }, Text());
  }

  int32_t ScreenWidth() const override { return AskDisplay(&DisplayFacts::ScreenWidth); }
  int32_t ScreenHeight() const override { return AskDisplay(&DisplayFacts::ScreenHeight); }
  int32_t ScreenRefreshRate() const override {
    return AskDisplay(&DisplayFacts::ScreenRefreshRate);
  }
  int32_t ScreenBitsPerPixel() const override {
    return AskDisplay(&DisplayFacts::ScreenBitsPerPixel);
  }
  int32_t CursorX() const override { return AskDisplay(&DisplayFacts::CursorX); }
  int32_t CursorY() const override { return AskDisplay(&DisplayFacts::CursorY); }
  int32_t IdleTime() const override { return AskDisplay(&DisplayFacts::IdleTime); }
};

}  // namespace

const SystemFacts& HostFacts() {
  static const LinuxFacts facts;
  return facts;
}

}  // namespace sigillo
