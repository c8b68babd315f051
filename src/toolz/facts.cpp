// Platform-neutral parts of the system facts: derived facts, the lookup tables
// and the text forms that every platform implementation shares.
#include "toolz/facts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <utility>

namespace sigillo {

int64_t SystemFacts::DriveUsedBytes(TextView letter) const {
  return DriveTotalBytes(letter) - DriveFreeBytes(letter);
}

Text SystemFacts::ProgramFileExt(bool with_dot) const {
  return FileExtension(ProgramFileName(), with_dot);
}

Text SystemFacts::AppFileTitle() const {
  return AppFileTitleOf(ProgramFileName());
}

namespace {

// The provider is set by the user-interface thread, which is also the only reader.
std::shared_ptr<const DisplayFacts>& ProviderSlot() {
  static std::shared_ptr<const DisplayFacts> provider;
  return provider;
}

}  // namespace

void SetDisplayFactsProvider(std::shared_ptr<const DisplayFacts> provider) {
  ProviderSlot() = std::move(provider);
}

std::shared_ptr<const DisplayFacts> DisplayFactsProvider() {
  return ProviderSlot();
}

int32_t AskDisplay(int32_t (DisplayFacts::*fact)() const) {
  try {
    const auto provider = ProviderSlot();
    return provider ? ((*provider).*fact)() : 0;
  } catch (...) {
    return 0;  // a display that cannot answer gives the numeric fallback
  }
}

Text VolumeSerialTextOf(uint32_t serial) {
  return HexText(static_cast<int32_t>(serial >> 16), 4) + u"-" +
         HexText(static_cast<int32_t>(serial & 0xFFFFu), 4);
}

Text OSNameOf(int32_t platform, uint32_t major, uint32_t minor) {
  struct Row {
    int32_t platform;
    uint32_t major;
    uint32_t minor;
    const char16_t* name;
  };
  static constexpr std::array<Row, 8> kRows{{
      {1, 4, 0, u"Windows 95"},
      {1, 4, 10, u"Windows 98"},
      {1, 4, 90, u"Windows ME"},
      {2, 4, 0, u"Windows NT"},
      {2, 5, 0, u"Windows 2000"},
      {2, 5, 1, u"Windows XP"},
      {2, 6, 0, u"Windows Vista"},
      {2, 6, 1, u"Windows 7"},
  }};
  for (const Row& row : kRows) {
    if (row.platform == platform && row.major == major && row.minor == minor) return row.name;
  }
  return kNotAvailable;
}

Text FileNameOfPath(TextView path, TextView separators) {
  const size_t last = path.find_last_of(separators);
  return Text(last == TextView::npos ? path : path.substr(last + 1));
}

Text AppFileTitleOf(TextView file_name) {
  const Text extension = FileExtension(file_name, true);
  return LeftText(file_name, static_cast<int32_t>(file_name.size() - extension.size()));
}

Text EnsureTrailingSlash(TextView path) {
  if (path.empty()) return Text();
  Text result(path);
  if (result.back() != u'/') result += u'/';
  return result;
}

namespace {

struct LocaleRow {
  const char* name;  // language_COUNTRY; the first row of a language is its home country
  int32_t lcid;
};

// Windows locale identifiers of the common POSIX locales.
constexpr LocaleRow kLocales[] = {
    {"af_ZA", 1078},  {"ar_SA", 1025}, {"ar_EG", 3073},  {"ar_AE", 14337}, {"az_AZ", 1068},
    {"be_BY", 1059},  {"bg_BG", 1026}, {"bn_BD", 2117},  {"bn_IN", 1093},  {"bs_BA", 5146},
    {"ca_ES", 1027},  {"cs_CZ", 1029}, {"cy_GB", 1106},  {"da_DK", 1030},  {"de_DE", 1031},
    {"de_CH", 2055},  {"de_AT", 3079}, {"de_LU", 4103},  {"de_LI", 5127},  {"el_GR", 1032},
    {"en_US", 1033},  {"en_GB", 2057}, {"en_AU", 3081},  {"en_CA", 4105},  {"en_NZ", 5129},
    {"en_IE", 6153},  {"en_ZA", 7177}, {"en_IN", 16393}, {"en_SG", 18441}, {"es_ES", 3082},
    {"es_MX", 2058},  {"es_CO", 9226}, {"es_AR", 11274}, {"es_CL", 13322}, {"es_US", 21514},
    {"et_EE", 1061},  {"eu_ES", 1069}, {"fa_IR", 1065},  {"fi_FI", 1035},  {"fil_PH", 1124},
    {"fo_FO", 1080},  {"fr_FR", 1036}, {"fr_BE", 2060},  {"fr_CA", 3084},  {"fr_CH", 4108},
    {"fr_LU", 5132},  {"ga_IE", 2108}, {"gl_ES", 1110},  {"gu_IN", 1095},  {"he_IL", 1037},
    {"hi_IN", 1081},  {"hr_HR", 1050}, {"hu_HU", 1038},  {"hy_AM", 1067},  {"id_ID", 1057},
    {"is_IS", 1039},  {"it_IT", 1040}, {"it_CH", 2064},  {"ja_JP", 1041},  {"ka_GE", 1079},
    {"kk_KZ", 1087},  {"km_KH", 1107}, {"kn_IN", 1099},  {"ko_KR", 1042},  {"lb_LU", 1134},
    {"lo_LA", 1108},  {"lt_LT", 1063}, {"lv_LV", 1062},  {"mk_MK", 1071},  {"ml_IN", 1100},
    {"mn_MN", 1104},  {"mr_IN", 1102}, {"ms_MY", 1086},  {"mt_MT", 1082},  {"nb_NO", 1044},
    {"ne_NP", 1121},  {"nl_NL", 1043}, {"nl_BE", 2067},  {"nn_NO", 2068},  {"no_NO", 1044},
    {"pa_IN", 1094},  {"pl_PL", 1045}, {"pt_PT", 2070},  {"pt_BR", 1046},  {"ro_RO", 1048},
    {"ru_RU", 1049},  {"si_LK", 1115}, {"sk_SK", 1051},  {"sl_SI", 1060},  {"sq_AL", 1052},
    {"sr_RS", 10266}, {"sv_SE", 1053}, {"sv_FI", 2077},  {"sw_KE", 1089},  {"ta_IN", 1097},
    {"te_IN", 1098},  {"th_TH", 1054}, {"tr_TR", 1055},  {"uk_UA", 1058},  {"ur_PK", 1056},
    {"vi_VN", 1066},  {"zh_CN", 2052}, {"zh_TW", 1028},  {"zh_HK", 3076},  {"zh_SG", 4100},
    {"zh_MO", 5124},
};

std::string_view LanguageOf(std::string_view row_name) {
  return row_name.substr(0, row_name.find('_'));
}

}  // namespace

int32_t LocaleIdFromPosixName(std::string_view name) {
  // The codeset and the modifier do not change the identifier: sv_SE.UTF-8@euro is sv_SE.
  name = name.substr(0, name.find_first_of(".@"));
  const size_t split = name.find_first_of("_-");
  std::string language(name.substr(0, split));
  std::string country(split == std::string_view::npos ? std::string_view()
                                                      : name.substr(split + 1));
  for (char& c : language)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : country)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (language.empty()) return kDefaultLocaleId;

  const std::string full = language + "_" + country;
  const LocaleRow* home = nullptr;
  for (const LocaleRow& row : kLocales) {
    if (full == row.name) return row.lcid;
    if (home == nullptr && LanguageOf(row.name) == language) home = &row;
  }
  return home != nullptr ? home->lcid : kDefaultLocaleId;
}

namespace {

// Undoes the octal escapes (\040 for a space) of the kernel's mount tables.
std::string DecodeOctalEscapes(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && field.size() - i >= 4) {
      const std::string_view digits = field.substr(i + 1, 3);
      if (std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '7'; })) {
        out += static_cast<char>(((digits[0] - '0') << 6) | ((digits[1] - '0') << 3) |
                                 (digits[2] - '0'));
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t pos = 0;
  while (pos < line.size()) {
    const size_t start = line.find_first_not_of(' ', pos);
    if (start == std::string_view::npos) break;
    const size_t end = std::min(line.find(' ', start), line.size());
    fields.push_back(line.substr(start, end - start));
    pos = end;
  }
  return fields;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsNetworkFileSystem(std::string_view type) {
  static constexpr std::string_view kNetwork[] = {
      "nfs",  "nfs4",      "cifs", "smb3",       "smbfs",          "ncpfs",      "afs",
      "ceph", "glusterfs", "9p",   "fuse.sshfs", "fuse.glusterfs", "fuse.rclone"};
  return std::find(std::begin(kNetwork), std::end(kNetwork), type) != std::end(kNetwork);
}

// Compressed images (snaps) and optical media are never fixed drives.
bool IsImageFileSystem(std::string_view type) {
  return type == "squashfs" || type == "iso9660" || type == "udf";
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
  // id parent major:minor root mount-point options [optional...] - type source super-options
  std::vector<MountEntry> entries;
  while (!text.empty()) {
    const size_t eol = std::min(text.find('\n'), text.size());
    const std::vector<std::string_view> fields = Fields(text.substr(0, eol));
    text.remove_prefix(std::min(eol + 1, text.size()));
    if (fields.size() < 6) continue;
    const auto dash = std::find(fields.begin() + 6, fields.end(), std::string_view("-"));
    if (dash == fields.end() || fields.end() - dash < 3) continue;
    entries.push_back(MountEntry{DecodeOctalEscapes(fields[4]), DecodeOctalEscapes(dash[2]),
                                 DecodeOctalEscapes(dash[1])});
  }
  return entries;
}

std::vector<DriveMount> AssignDriveLetters(
    const std::vector<MountEntry>& mounts,
    const std::function<bool(const std::string& source)>& is_fixed_device) {
  // A later mount on the same point hides the earlier one.
  std::map<std::string, MountEntry> visible;
  for (const MountEntry& entry : mounts)
    visible[entry.mount_point] = entry;

  std::vector<DriveMount> drives;
  std::set<std::string> sources;
  if (const auto root = visible.find("/");
      root != visible.end() && !IsNetworkFileSystem(root->second.fs_type)) {
    drives.push_back(DriveMount{u'C', root->second});
    sources.insert(root->second.source);
  }
  // std::map iterates in mount-point order, so the letters follow it.
  char16_t next = u'D';
  for (const auto& [point, entry] : visible) {
    if (next > u'Z') break;
    if (point == "/" || entry.source.rfind("/dev/", 0) != 0) continue;
    if (entry.source.rfind("/dev/loop", 0) == 0 || IsImageFileSystem(entry.fs_type)) continue;
    if (IsNetworkFileSystem(entry.fs_type) || sources.count(entry.source) != 0) continue;
    if (!is_fixed_device(entry.source)) continue;
    sources.insert(entry.source);
    drives.push_back(DriveMount{next, entry});
    ++next;
  }
  return drives;
}

std::optional<uint32_t> SerialFromUuid(std::string_view uuid) {
  std::vector<int> digits;
  for (const char c : uuid) {
    if (HexValue(c) >= 0) {
      digits.push_back(HexValue(c));
    } else if (c != '-') {
      return std::nullopt;
    }
  }
  if (digits.size() < 8) return std::nullopt;
  // NTFS has a 64-bit serial of which Windows shows the low half.
  const size_t first = digits.size() == 16 ? 8 : 0;
  uint32_t serial = 0;
  for (size_t i = first; i < first + 8; ++i)
    serial = serial << 4 | static_cast<uint32_t>(digits[i]);
  return serial;
}

std::string DecodeUdevName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
        HexValue(name[i + 2]) >= 0 && HexValue(name[i + 3]) >= 0) {
      out += static_cast<char>(HexValue(name[i + 2]) * 16 + HexValue(name[i + 3]));
      i += 3;
      continue;
    }
    out += name[i];
  }
  return out;
}

}  // namespace sigillo
