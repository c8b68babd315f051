#include "toolz/facts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace sigillo {
namespace {

TEST(VolumeSerialText, HighAndLowHalvesInFourDigitsEach) {
  const std::vector<std::pair<uint32_t, const char16_t*>> cases = {
      {0x4E2A91F0u, u"4E2A-91F0"},
      {0xA0001u, u"000A-0001"},
      {0u, u"0000-0000"},
      {0xFFFFFFFFu, u"FFFF-FFFF"},
  };
  for (const auto& [serial, text] : cases)
    EXPECT_EQ(VolumeSerialTextOf(serial), Text(text));
}

TEST(OSName, OnlyTheTableRowsHaveNames) {
  struct Case {
    int32_t platform;
    uint32_t major;
    uint32_t minor;
    const char16_t* name;
  };
  const std::vector<Case> cases = {
      {1, 4, 0, u"Windows 95"},
      {1, 4, 10, u"Windows 98"},
      {1, 4, 90, u"Windows ME"},
      {2, 4, 0, u"Windows NT"},
      {2, 5, 0, u"Windows 2000"},
      {2, 5, 1, u"Windows XP"},
      {2, 6, 0, u"Windows Vista"},
      {2, 6, 1, u"Windows 7"},
      // Windows 8 and later, XP x64 / Server 2003, unknown lines and Linux (no line).
      {2, 6, 2, u"N/A"},
      {2, 6, 3, u"N/A"},
      {2, 10, 0, u"N/A"},
      {2, 5, 2, u"N/A"},
      {1, 4, 1, u"N/A"},
      {3, 4, 0, u"N/A"},
      {0, 0, 0, u"N/A"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OSNameOf(c.platform, c.major, c.minor), Text(c.name))
        << c.platform << " " << c.major << "." << c.minor;
  }
}

TEST(ProgramFile, NameAfterLastSeparatorAndTitleWithoutExtension) {
  struct Case {
    const char16_t* path;
    const char16_t* separators;
    const char16_t* name;
    const char16_t* title;
  };
  const std::vector<Case> cases = {
      {u"C:\\Program Files\\prog.exe", u"\\:", u"prog.exe", u"prog"},
      {u"C:prog.beta.exe", u"\\:", u"prog.beta.exe", u"prog.beta"},
      {u"/usr/bin/sigillo", u"/", u"sigillo", u"sigillo"},
      {u"/opt/my.app/run", u"/", u"run", u"run"},
      {u"prog", u"/", u"prog", u"prog"},
      {u"/usr/bin/", u"/", u"", u""},
  };
  for (const Case& c : cases) {
    const Text name = FileNameOfPath(c.path, c.separators);
    EXPECT_EQ(name, Text(c.name));
    EXPECT_EQ(AppFileTitleOf(name), Text(c.title));
  }
}

TEST(EnsureTrailingSlash, AddsOnlyWhenMissing) {
  EXPECT_EQ(EnsureTrailingSlash(u""), Text());
  EXPECT_EQ(EnsureTrailingSlash(u"/tmp"), Text(u"/tmp/"));
  EXPECT_EQ(EnsureTrailingSlash(u"/tmp/"), Text(u"/tmp/"));
  EXPECT_EQ(EnsureTrailingSlash(u"/"), Text(u"/"));
}

TEST(LocaleIdFromPosixName, TableCodesetModifierAndFallbacks) {
  const std::vector<std::pair<const char*, int32_t>> cases = {
      {"sv_SE", 1053},
      {"sv_FI", 2077},
      {"en_US", 1033},
      {"en_GB", 2057},
      {"zh_CN", 2052},
      {"zh_TW", 1028},
      {"de_DE", 1031},
      {"fr_FR", 1036},
      {"es_ES", 3082},
      {"it_IT", 1040},
      {"nl_NL", 1043},
      {"nb_NO", 1044},
      {"nn_NO", 2068},
      {"da_DK", 1030},
      {"fi_FI", 1035},
      {"pl_PL", 1045},
      {"pt_BR", 1046},
      {"pt_PT", 2070},
      {"ru_RU", 1049},
      {"ja_JP", 1041},
      {"ko_KR", 1042},
      {"de_AT", 3079},
      {"fr_CA", 3084},
      // Codeset and modifier are ignored; the separator and letter case are forgiven.
      {"sv_SE.UTF-8", 1053},
      {"sv_FI.UTF-8@euro", 2077},
      {"de_DE@euro", 1031},
      {"sv-SE", 1053},
      {"SV_se.utf8", 1053},
      // A bare language or an unlisted country of a known language: its home country.
      {"sv", 1053},
      {"en", 1033},
      {"pt", 2070},
      {"zh", 2052},
      {"no", 1044},
      {"sv_AX", 1053},
      {"de_BE.UTF-8", 1031},
      // No locale or an unknown one.
      {"C", 1033},
      {"POSIX", 1033},
      {"C.UTF-8", 1033},
      {"", 1033},
      {"xx_YY", 1033},
      {".UTF-8", 1033},
  };
  for (const auto& [name, lcid] : cases)
    EXPECT_EQ(LocaleIdFromPosixName(name), lcid) << name;
}

TEST(ParseMountInfo, TakesPointTypeAndSourceAcrossOptionalFields) {
  const std::string text =
      "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
      "30 27 8:3 / /home rw shared:2 master:1 - btrfs /dev/sda3 rw,subvol=/home\n"
      "31 27 8:17 / /media/My\\040Disk rw - vfat /dev/sdb1 rw\n"
      "broken line without separator\n"
      "21 27 0:20 / /proc rw,relatime - proc proc rw";
  const std::vector<MountEntry> entries = ParseMountInfo(text);
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].mount_point, "/");
  EXPECT_EQ(entries[0].fs_type, "ext4");
  EXPECT_EQ(entries[0].source, "/dev/vda");
  EXPECT_EQ(entries[1].mount_point, "/home");
  EXPECT_EQ(entries[1].fs_type, "btrfs");
  EXPECT_EQ(entries[1].source, "/dev/sda3");
  EXPECT_EQ(entries[2].mount_point, "/media/My Disk");
  EXPECT_EQ(entries[3].fs_type, "proc");
  EXPECT_TRUE(ParseMountInfo("").empty());
}

class DriveLetters : public ::testing::Test {
 protected:
  // Sources the fake device check calls fixed; /dev/sdb1 plays a USB stick.
  std::set<std::string> fixed_ = {"/dev/sda1", "/dev/sda2", "/dev/sda3", "/dev/nvme0n1p1"};

  std::vector<std::pair<char16_t, std::string>> Letters(const std::vector<MountEntry>& mounts) {
    std::vector<std::pair<char16_t, std::string>> result;
    for (const DriveMount& drive : AssignDriveLetters(
             mounts, [this](const std::string& source) { return fixed_.count(source) != 0; })) {
      result.emplace_back(drive.letter, drive.mount.mount_point);
    }
    return result;
  }
};

TEST_F(DriveLetters, RootIsCOthersFollowByMountPoint) {
  const std::vector<MountEntry> mounts = {
      {"/", "/dev/sda2", "ext4"},
      {"/proc", "proc", "proc"},
      {"/run", "tmpfs", "tmpfs"},
      {"/home", "/dev/sda3", "ext4"},
      {"/boot/efi", "/dev/sda1", "vfat"},
      {"/snap/core/1", "/dev/loop3", "squashfs"},
      {"/media/usb", "/dev/sdb1", "vfat"},
      {"/etc/hosts", "/dev/sda2", "ext4"},  // a bind mount of the root device
      {"/mnt/share", "server:/export", "nfs4"},
  };
  using Drives = std::vector<std::pair<char16_t, std::string>>;
  EXPECT_EQ(Letters(mounts), (Drives{{u'C', "/"}, {u'D', "/boot/efi"}, {u'E', "/home"}}));
}

TEST_F(DriveLetters, RootCountsEvenWithoutABlockDeviceButNotOverTheNetwork) {
  using Drives = std::vector<std::pair<char16_t, std::string>>;
  EXPECT_EQ(Letters({{"/", "overlay", "overlay"}}), (Drives{{u'C', "/"}}));
  EXPECT_EQ(Letters({{"/", "server:/root", "nfs"}, {"/data", "/dev/sda3", "xfs"}}),
            (Drives{{u'D', "/data"}}));
  EXPECT_TRUE(Letters({}).empty());
}

TEST_F(DriveLetters, AMountedOverPointCountsAsItsTopMount) {
  using Drives = std::vector<std::pair<char16_t, std::string>>;
  EXPECT_EQ(Letters({{"/", "/dev/sda2", "ext4"},
                     {"/data", "/dev/sda3", "ext4"},
                     {"/data", "tmpfs", "tmpfs"}}),
            (Drives{{u'C', "/"}}));
}

TEST_F(DriveLetters, StopAtZ) {
  std::vector<MountEntry> mounts = {{"/", "/dev/sda2", "ext4"}};
  for (int i = 0; i < 30; ++i) {
    const std::string source = "/dev/disk" + std::to_string(100 + i);
    fixed_.insert(source);
    mounts.push_back({"/m" + std::to_string(100 + i), source, "ext4"});
  }
  const auto drives = Letters(mounts);
  ASSERT_EQ(drives.size(), 24u);
  EXPECT_EQ(drives.back(), std::make_pair(u'Z', std::string("/m122")));
}

TEST(SerialFromUuid, First32BitsOrTheLowHalfOfAnNtfsSerial) {
  const std::vector<std::pair<const char*, std::optional<uint32_t>>> cases = {
      {"1b2c3d4e-5f60-4a1b-9c2d-3e4f5a6b7c8d", 0x1B2C3D4Eu},
      {"ABCD-1234", 0xABCD1234u},
      {"0123456789ABCDEF", 0x89ABCDEFu},
      {"1234-567", std::nullopt},
      {"not-a-uuid", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [uuid, serial] : cases)
    EXPECT_EQ(SerialFromUuid(uuid), serial) << uuid;
}

TEST(DecodeUdevName, UndoesHexEscapesOnly) {
  EXPECT_EQ(DecodeUdevName("My\\x20Disk"), "My Disk");
  EXPECT_EQ(DecodeUdevName("a\\x2fb"), "a/b");
  EXPECT_EQ(DecodeUdevName("plain"), "plain");
  EXPECT_EQ(DecodeUdevName("end\\x2"), "end\\x2");
  EXPECT_EQ(DecodeUdevName("\\xzz"), "\\xzz");
}

}  // namespace
}  // namespace sigillo
