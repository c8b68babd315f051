#include "shell/verb_xdg.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

#include "shell/language.h"
#include "shell/verb.h"

namespace sigillo {

namespace {

namespace fs = std::filesystem;

constexpr char kEntryName[] = "QZ-2048";

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool ReadWholeFile(const fs::path& path, std::string& content) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

std::string QuotedExecArgument(std::string_view argument, bool double_percent) {
  std::string quoted = "\"";
  for (char ch : argument) {
    if (ch == '"' || ch == '`' || ch == '$' || ch == '\\') quoted += '\\';
    if (ch == '%' && double_percent) quoted += '%';
    quoted += ch;
  }
  quoted += '"';
  return quoted;
}

std::string KeyFileValue(std::string_view value) {
  std::string escaped;
  for (char ch : value) {
    switch (ch) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\t':
        escaped += "\\t";
        break;
      default:
        escaped += ch;
    }
  }
  return escaped;
}

Text StripMnemonic(TextView caption) {
  Text stripped;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    stripped += caption[i];
  }
  return stripped;
}

std::vector<VerbFile> XdgVerbFiles(TextView program_path, TextView caption) {
  const std::string program = TextToUtf8(program_path);
  const std::string exec_program = KeyFileValue(QuotedExecArgument(program, true));
  const std::string nemo_program = KeyFileValue(QuotedExecArgument(program, false));
  const std::string with_mnemonic = KeyFileValue(TextToUtf8(caption));
  const std::string plain = KeyFileValue(TextToUtf8(StripMnemonic(caption)));
  const std::string name = kEntryName;

  std::vector<VerbFile> files;
  // Dolphin (KDE): shown at the top of the context menu, "&" marks the mnemonic.
  files.push_back({fs::path("kio/servicemenus") / (name + ".desktop"),
                   "[Desktop Entry]\n"
                   "Type=Service\n"
                   "ServiceTypes=KonqPopupMenu/Plugin\n"
                   "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
                   "MimeType=application/octet-stream;\n"
                   "Actions=" +
                       name +
                       ";\n"
                       "X-KDE-Priority=TopLevel\n"
                       "\n"
                       "[Desktop Action " +
                       name +
                       "]\n"
                       "Name=" +
                       with_mnemonic +
                       "\n"
                       "Icon=sigillo\n"
                       "Exec=" +
                       exec_program + " %f\n",
                   true});
  // Nemo (Cinnamon): one selected file, never a folder; Nemo quotes the path.
  files.push_back({fs::path("nemo/actions") / (name + ".nemo_action"),
                   "[Nemo Action]\n"
                   "Name=" +
                       plain +
                       "\n"
                       "Icon-Name=sigillo\n"
                       "Exec=" +
                       nemo_program +
                       " %F\n"
                       "Quote=double\n"
                       "Selection=s\n"
                       "Extensions=nodirs;\n",
                   false});
  // Every file manager's "Open With"; kept out of the applications menu.
  files.push_back({fs::path("applications") / (name + ".desktop"),
                   "[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=" +
                       plain +
                       "\n"
                       "Icon=sigillo\n"
                       "Exec=" +
                       exec_program +
                       " %f\n"
                       "MimeType=application/octet-stream;\n"
                       "NoDisplay=true\n"
                       "Terminal=false\n",
                   false});
  return files;
}

fs::path XdgDataHome() {
  const fs::path data_home = EnvironmentText("XDG_DATA_HOME");
  if (data_home.is_absolute()) return data_home;
  const fs::path home = EnvironmentText("HOME");
  if (home.is_absolute()) return home / ".local" / "share";
  return {};
}

bool WriteFileIfChanged(const fs::path& path, const std::string& content, bool executable) {
  std::error_code error;
  const fs::perms exec_bits =
      fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
  std::string old_content;
  if (ReadWholeFile(path, old_content) && old_content == content) {
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    if (!executable || (status.permissions() & fs::perms::owner_exec) != fs::perms::none) {
      return true;
    }
    fs::permissions(path, exec_bits, fs::perm_options::add, error);
    return !error;
  }

  fs::create_directories(path.parent_path(), error);
  if (error) return false;
  // Written beside and renamed over, so that a reader never sees half a file.
  fs::path temp = path;
  temp += ".new-" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (!out) {
      fs::remove(temp, error);
      return false;
    }
  }
  fs::permissions(temp,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::others_read | (executable ? exec_bits : fs::perms::none),
                  fs::perm_options::replace, error);
  if (!error) fs::rename(temp, path, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

void RegisterVerb(TextView program_path, bool swedish) {
  try {
    const fs::path data_home = XdgDataHome();
    if (data_home.empty()) return;
    const Text caption = LangStr(swedish, kVerbCaptionSwedish, kVerbCaptionSecond);
    for (const VerbFile& file : XdgVerbFiles(program_path, caption)) {
      if (!WriteFileIfChanged(data_home / file.path, file.content, file.executable)) return;
    }
  } catch (...) {
    // Optional: a desktop without these folders, a full disk or no memory leave
    // the program without the entry and nothing more.
  }
}

}  // namespace sigillo
