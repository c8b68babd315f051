// Facts about the running machine, user and program that the system report is
// made of. Every fact has a fixed fallback and no query lets an error escape.
// The platform's own facts come from HostFacts(); tests use their own SystemFacts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolz/text.h"

namespace sigillo {

// Drive type code of a fixed disk.
inline constexpr int32_t kDriveFixed = 3;
// Fallback of every text fact.
inline constexpr char16_t kNotAvailable[] = u"N/A";
// Fallback of a volume serial number.
inline constexpr char16_t kNoSerial[] = u"0000-0000";
// Locale identifier when the system names none (or one we do not know).
inline constexpr int32_t kDefaultLocaleId = 1033;

// Runs one query of a platform's facts; an unexpected error gives its fallback.
template <typename Query, typename Value>
Value GuardedFact(Query query, Value fallback) {
  try {
    return query();
  } catch (...) {
    return fallback;
  }
}

class SystemFacts {
 public:
  virtual ~SystemFacts() = default;

  // Drive letters (one-letter texts) of the given drive type, in alphabetical order.
  virtual TextList DrivesOfType(int32_t type) const = 0;
  // "4E2A-91F0"; kNoSerial when the volume cannot be queried.
  virtual Text VolumeSerialText(TextView letter) const = 0;
  // Empty when the volume has no label; "N/A" when it cannot be queried.
  virtual Text VolumeLabel(TextView letter) const = 0;
  virtual Text VolumeFileSystem(TextView letter) const = 0;
  // Byte counts; -1 when they cannot be read.
  virtual int64_t DriveTotalBytes(TextView letter) const = 0;
  virtual int64_t DriveFreeBytes(TextView letter) const = 0;
  // Total minus free, each read afresh (so two failures give 0).
  virtual int64_t DriveUsedBytes(TextView letter) const;

  virtual Text CurrentUserName() const = 0;
  virtual Text CurrentComputerName() const = 0;

  virtual Text ProgramPath() const = 0;
  // What follows the last folder separator of ProgramPath.
  virtual Text ProgramFileName() const = 0;
  virtual Text ProgramFileExt(bool with_dot) const;
  // The program's file name without its extension.
  virtual Text AppFileTitle() const;

  virtual uint32_t CurrentProcessId() const = 0;
  virtual uint32_t CurrentThreadId() const = 0;

  // Folders end with the platform's separator; "N/A" when unknown.
  virtual Text WindowsFolder() const = 0;
  virtual Text SystemFolder() const = 0;
  virtual Text TempFolder() const = 0;

  // Numeric Windows locale identifier (LCID) of the user's locale.
  virtual int32_t LocaleIdentifier() const = 0;
  // Milliseconds since the system started, wrapping after about 49.7 days.
  virtual uint32_t OSTickCount() const = 0;
  virtual Text OSName() const = 0;

  // Desktop and input; 0 when they cannot be read.
  virtual int32_t ScreenWidth() const = 0;
  virtual int32_t ScreenHeight() const = 0;
  virtual int32_t ScreenRefreshRate() const = 0;
  virtual int32_t ScreenBitsPerPixel() const = 0;
  virtual int32_t CursorX() const = 0;
  virtual int32_t CursorY() const = 0;
  // Milliseconds since the last key press or mouse action.
  virtual int32_t IdleTime() const = 0;
};

// The facts of the machine the program runs on. Lives for the whole process.
const SystemFacts& HostFacts();

// What only the windowing system knows. The core cannot ask a display itself,
// so the desktop program installs a provider; without one these facts are 0.
class DisplayFacts {
 public:
  virtual ~DisplayFacts() = default;
  virtual int32_t ScreenWidth() const = 0;
  virtual int32_t ScreenHeight() const = 0;
  virtual int32_t ScreenRefreshRate() const = 0;
  virtual int32_t ScreenBitsPerPixel() const = 0;
  virtual int32_t CursorX() const = 0;
  virtual int32_t CursorY() const = 0;
  virtual int32_t IdleTime() const = 0;
};

// Installs (or, with nullptr, removes) the provider. User-interface thread only.
void SetDisplayFactsProvider(std::shared_ptr<const DisplayFacts> provider);
std::shared_ptr<const DisplayFacts> DisplayFactsProvider();
// Asks the installed provider; 0 when there is none or it fails.
int32_t AskDisplay(int32_t (DisplayFacts::*fact)() const);

// ---- Pure helpers shared by the platform implementations ----

// High and low 16 bits in hexadecimal, four digits each: 4E2A-91F0.
Text VolumeSerialTextOf(uint32_t serial);
// The operating-system name for a platform line (1 = 9x, 2 = NT) and version; "N/A" otherwise.
Text OSNameOf(int32_t platform, uint32_t major, uint32_t minor);
// What follows the last of the separator characters in path (all of it when none).
Text FileNameOfPath(TextView path, TextView separators);
// The file name without its extension: prog.beta.exe gives prog.beta.
Text AppFileTitleOf(TextView file_name);
// path with a trailing "/" added when missing; empty stays empty.
Text EnsureTrailingSlash(TextView path);

// Windows locale identifier for a POSIX locale name such as sv_SE.UTF-8 or de_AT@euro.
// A bare language gives its home country; an unknown country of a known language
// gives the language's home country; C, POSIX and unknown languages give 1033.
int32_t LocaleIdFromPosixName(std::string_view name);

// ---- Mount tables of POSIX systems ----

struct MountEntry {
  std::string mount_point;
  std::string source;
  std::string fs_type;
};

// The entries of a /proc/self/mountinfo text, in mount order (octal escapes decoded).
std::vector<MountEntry> ParseMountInfo(std::string_view text);

struct DriveMount {
  char16_t letter = u'C';
  MountEntry mount;
};

// The fixed local drives among the mounts, with their letters. "/" is C unless it
// is a network file system; every other mount whose source is a fixed local block
// device (is_fixed_device decides) gets D, E, ... in mount-point order, up to Z.
// One letter per source device; a mount point that is mounted over counts once.
std::vector<DriveMount> AssignDriveLetters(
    const std::vector<MountEntry>& mounts,
    const std::function<bool(const std::string& source)>& is_fixed_device);

// Volume serial number from a file-system UUID as udev names it: the first eight
// hexadecimal digits, or the last eight of a 16-digit NTFS serial (as Windows shows it).
std::optional<uint32_t> SerialFromUuid(std::string_view uuid);
// Undoes udev's \xHH escapes in /dev/disk/by-label names.
std::string DecodeUdevName(std::string_view name);

}  // namespace sigillo
