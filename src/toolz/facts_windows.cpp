// The system facts on Windows, each from the call that supplies it. The version
// numbers and the locale identifier are read once, at the first question.
#include <windows.h>

#include <iterator>
#include <optional>
#include <utility>

#include "toolz/facts.h"
#include "toolz/wide_text.h"

namespace sigillo {
namespace {

// Name and folder texts are read into buffers of this many characters.
constexpr DWORD kNameBuffer = 256;

// "C:\" for "C"; nothing for anything that is not one letter from A to Z.
std::optional<std::wstring> RootOf(TextView letter) {
  if (letter.size() != 1 || letter[0] < u'A' || letter[0] > u'Z') return std::nullopt;
  return std::wstring{static_cast<wchar_t>(letter[0]), L':', L'\\'};
}

struct VolumeInformation {
  DWORD serial = 0;
  Text label;
  Text file_system;
};

std::optional<VolumeInformation> QueryVolume(TextView letter) {
  const std::optional<std::wstring> root = RootOf(letter);
  if (!root) return std::nullopt;
  wchar_t label[kNameBuffer] = {};
  wchar_t file_system[kNameBuffer] = {};
  VolumeInformation volume;
  if (!GetVolumeInformationW(root->c_str(), label, kNameBuffer, &volume.serial, nullptr, nullptr,
                             file_system, kNameBuffer))
    return std::nullopt;
  volume.label = TextUpToNul(label, kNameBuffer);
  volume.file_system = TextUpToNul(file_system, kNameBuffer);
  return volume;
}

// (total, available to this user) in bytes.
std::optional<std::pair<int64_t, int64_t>> DriveSizes(TextView letter) {
  const std::optional<std::wstring> root = RootOf(letter);
  ULARGE_INTEGER available{};
  ULARGE_INTEGER total{};
  if (!root || !GetDiskFreeSpaceExW(root->c_str(), &available, &total, nullptr))
    return std::nullopt;
  return std::make_pair(static_cast<int64_t>(total.QuadPart),
                        static_cast<int64_t>(available.QuadPart));
}

// A folder from a call that fills a buffer and returns the length, 0 on failure.
// A folder too long for the buffer counts as a failure.
template <typename Call>
Text FolderFrom(Call call) {
  wchar_t folder[kNameBuffer] = {};
  const UINT length = call(folder, kNameBuffer);
  if (length == 0 || length >= kNameBuffer) return kNotAvailable;
  return EnsureTrailingBackslash(TextUpToNul(folder, kNameBuffer));
}

// One value of the desktop's device context; 0 when it cannot be read.
int32_t DesktopCaps(int index) {
  const HWND desktop = GetDesktopWindow();
  const HDC dc = GetDC(desktop);
  if (dc == nullptr) return 0;
  const int value = GetDeviceCaps(dc, index);
  ReleaseDC(desktop, dc);
  return value;
}

std::optional<POINT> CursorPosition() {
  POINT point{};
  if (!GetCursorPos(&point)) return std::nullopt;
  return point;
}

struct Version {
  int32_t platform = 0;
  uint32_t major = 0;
  uint32_t minor = 0;
};

Version SystemVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  // Deprecated for newer systems, which answer 6.2 to programs without a manifest that
  // names them; the name table stops at Windows 7 all the same.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const BOOL ok = GetVersionExW(&info);
#pragma GCC diagnostic pop
  if (!ok) return {};
  return {static_cast<int32_t>(info.dwPlatformId), info.dwMajorVersion, info.dwMinorVersion};
}

class WindowsFacts final : public SystemFacts {
 public:
  TextList DrivesOfType(int32_t type) const override {
    return GuardedFact(
        [type] {
          TextList letters;
          for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
            const wchar_t root[] = {letter, L':', L'\\', L'\0'};
            if (GetDriveTypeW(root) == static_cast<UINT>(type))
              letters.emplace_back(1, static_cast<char16_t>(letter));
          }
          return letters;
        },
        TextList());
  }

  Text VolumeSerialText(TextView letter) const override {
    return GuardedFact(
        [letter] {
          const auto volume = QueryVolume(letter);
          return VolumeSerialTextOf(volume ? volume->serial : 0);
        },
        Text(kNoSerial));
  }

  Text VolumeLabel(TextView letter) const override {
    return GuardedFact(
        [letter] {
          const auto volume = QueryVolume(letter);
          return volume ? volume->label : Text(kNotAvailable);
        },
        Text(kNotAvailable));
  }

  Text VolumeFileSystem(TextView letter) const override {
    return GuardedFact(
        [letter] {
          const auto volume = QueryVolume(letter);
          return volume ? volume->file_system : Text(kNotAvailable);
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
          wchar_t name[kNameBuffer] = {};
          DWORD size = kNameBuffer;
          if (!GetUserNameW(name, &size)) return kNotAvailable;
          return TextUpToNul(name, kNameBuffer);
        },
        Text());
  }

  Text CurrentComputerName() const override {
    return GuardedFact(
        []() -> Text {
          wchar_t name[kNameBuffer] = {};
          DWORD size = kNameBuffer;
          if (!GetComputerNameW(name, &size)) return kNotAvailable;
          return TextUpToNul(name, kNameBuffer);
        },
        Text());
  }

  Text ProgramPath() const override {
    return GuardedFact(
        [] {
          std::wstring path(MAX_PATH, L'\0');
          for (;;) {
            const DWORD length =
                GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (length == 0) return Text();
            if (length < path.size()) return TextOfWide(std::wstring_view(path).substr(0, length));
            path.resize(path.size() * 2);  // cut short: try a larger buffer
          }
        },
        Text());
  }

  Text ProgramFileName() const override { return FileNameOfPath(ProgramPath(), u"\\:"); }

  uint32_t CurrentProcessId() const override { return GetCurrentProcessId(); }
  uint32_t CurrentThreadId() const override { return GetCurrentThreadId(); }

  Text WindowsFolder() const override {
    return GuardedFact([] { return FolderFrom(&GetWindowsDirectoryW); }, Text());
  }
  Text SystemFolder() const override {
    return GuardedFact([] { return FolderFrom(&GetSystemDirectoryW); }, Text());
  }
  Text TempFolder() const override {
    return GuardedFact(
        [] {
          return FolderFrom([](wchar_t* buffer, UINT size) {
            return static_cast<UINT>(GetTempPathW(size, buffer));
          });
        },
        Text());
  }

  int32_t LocaleIdentifier() const override {
    static const int32_t lcid = [] {
      const LCID thread = GetThreadLocale();
      return thread == 0 ? kDefaultLocaleId : static_cast<int32_t>(thread);
    }();
    return lcid;
  }

  uint32_t OSTickCount() const override { return GetTickCount(); }

  Text OSName() const override {
    static const Version version = SystemVersion();
    return GuardedFact([] { return OSNameOf(version.platform, version.major, version.minor); },
                       Text());
  }

  int32_t ScreenWidth() const override { return DesktopCaps(HORZRES); }
  int32_t ScreenHeight() const override { return DesktopCaps(VERTRES); }
  int32_t ScreenRefreshRate() const override { return DesktopCaps(VREFRESH); }
  int32_t ScreenBitsPerPixel() const override { return DesktopCaps(BITSPIXEL); }

  // Where the system cannot tell (a locked desktop), the cursor is at 0.
  int32_t CursorX() const override {
    const auto point = CursorPosition();
    return point ? static_cast<int32_t>(point->x) : 0;
  }
  int32_t CursorY() const override {
    const auto point = CursorPosition();
    return point ? static_cast<int32_t>(point->y) : 0;
  }

  int32_t IdleTime() const override {
    LASTINPUTINFO last{};
    last.cbSize = sizeof last;
    if (!GetLastInputInfo(&last)) return 0;
    // Both counts wrap; their difference as a signed 32-bit number is the idle time.
    return static_cast<int32_t>(GetTickCount() - last.dwTime);
  }
};

}  // namespace

const SystemFacts& HostFacts() {
  static const WindowsFacts facts;
  return facts;
}

}  // namespace sigillo
