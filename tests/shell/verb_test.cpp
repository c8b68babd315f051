#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/verb.h"
#include "shell/verb_xdg.h"
#include "support/temp_dir.h"

namespace sigillo {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

const char* const kVerbFiles[] = {"kio/servicemenus/QZ-2048.desktop",
                                  "nemo/actions/QZ-2048.nemo_action",
                                  "applications/QZ-2048.desktop"};

TEST(VerbFilesTest, SwedishEntries) {
  const std::vector<VerbFile> files =
      XdgVerbFiles(u"/opt/sigillo/bin/sigillo", kVerbCaptionSwedish);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0].path, kVerbFiles[0]);
  EXPECT_TRUE(files[0].executable);
  EXPECT_EQ(files[0].content,
            "[Desktop Entry]\n"
            "Type=Service\n"
            "ServiceTypes=KonqPopupMenu/Plugin\n"
            "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n"
            "MimeType=application/octet-stream;\n"
            "Actions=QZ-2048;\n"
            "X-KDE-Priority=TopLevel\n"
            "\n"
            "[Desktop Action QZ-2048]\n"
            "Name=&Sigillo...\n"
            "Icon=sigillo\n"
            "Exec=\"/opt/sigillo/bin/sigillo\" %f\n");
  EXPECT_EQ(files[1].path, kVerbFiles[1]);
  EXPECT_FALSE(files[1].executable);
  EXPECT_EQ(files[1].content,
            "[Nemo Action]\n"
            "Name=Sigillo...\n"
            "Icon-Name=sigillo\n"
            "Exec=\"/opt/sigillo/bin/sigillo\" %F\n"
            "Quote=double\n"
            "Selection=s\n"
            "Extensions=nodirs;\n");
  EXPECT_EQ(files[2].path, kVerbFiles[2]);
  EXPECT_EQ(files[2].content,
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Sigillo...\n"
            "Icon=sigillo\n"
            "Exec=\"/opt/sigillo/bin/sigillo\" %f\n"
            "MimeType=application/octet-stream;\n"
            "NoDisplay=true\n"
            "Terminal=false\n");
}

TEST(VerbFilesTest, SecondLanguageCaptions) {
  const std::vector<VerbFile> files = XdgVerbFiles(u"/usr/bin/sigillo", kVerbCaptionSecond);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_NE(files[0].content.find("\nName=QZ-&Vaultix...\n"), std::string::npos);
  EXPECT_NE(files[1].content.find("\nName=QZ-Vaultix...\n"), std::string::npos);
  EXPECT_NE(files[2].content.find("\nName=QZ-Vaultix...\n"), std::string::npos);
}

TEST(VerbFilesTest, ProgramPathIsQuotedAndEscapedForTheExecLine) {
  const std::vector<VerbFile> files =
      XdgVerbFiles(u"/home/a b/100%/x\"y$z`w\\v/sigillo", kVerbCaptionSwedish);
  // Exec quoting, then the key file's own escaping of the backslashes.
  EXPECT_NE(files[0].content.find(
                "\nExec=\"/home/a b/100%%/x\\\\\"y\\\\$z\\\\`w\\\\\\\\v/sigillo\" %f\n"),
            std::string::npos)
      << files[0].content;
  // Nemo has no "%%": the percent sign stays single there.
  EXPECT_NE(files[1].content.find("\nExec=\"/home/a b/100%/x\\\\\"y"), std::string::npos)
      << files[1].content;
}

TEST(VerbFilesTest, QuotedArgumentReadsBackThroughAShell) {
  // The Exec rules for a quoted argument are those of the POSIX shell's double quotes.
  const std::string path = "/tmp/a \"b\" $HOME `id` \\n 'c' 50%";
  const std::string command = "printf %s " + QuotedExecArgument(path, false);
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  char buffer[256];
  size_t got = 0;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    output.append(buffer, got);
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_EQ(output, path);
}

TEST(VerbFilesTest, KeyFileEscapesAndMnemonics) {
  EXPECT_EQ(KeyFileValue("a\\b\nc\td\re"), "a\\\\b\\nc\\td\\re");
  EXPECT_EQ(StripMnemonic(kVerbCaptionSwedish), u"Sigillo...");
  EXPECT_EQ(StripMnemonic(kVerbCaptionSecond), u"QZ-Vaultix...");
  EXPECT_EQ(StripMnemonic(u"Salt && Pepper"), u"Salt & Pepper");
  EXPECT_EQ(StripMnemonic(u"end&"), u"end&");
}

TEST(XdgDataHomeTest, FallsBackToHomeForMissingOrRelativeValues) {
  ScopedEnv home("HOME", "/home/user");
  {
    ScopedEnv data("XDG_DATA_HOME", "/data/home");
    EXPECT_EQ(XdgDataHome(), fs::path("/data/home"));
  }
  {
    ScopedEnv data("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(XdgDataHome(), fs::path("/home/user/.local/share"));
  }
  {
    ScopedEnv data("XDG_DATA_HOME", "");
    EXPECT_EQ(XdgDataHome(), fs::path("/home/user/.local/share"));
  }
  {
    ScopedEnv data("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(XdgDataHome(), fs::path("/home/user/.local/share"));
  }
  ScopedEnv no_home("HOME", std::nullopt);
  ScopedEnv data("XDG_DATA_HOME", std::nullopt);
  EXPECT_TRUE(XdgDataHome().empty());
}

class RegisterVerbTest : public ::testing::Test {
 protected:
  ino_t Inode(const char* relative) const {
    struct stat st {};
    EXPECT_EQ(stat((data_ / relative).c_str(), &st), 0) << relative;
    return st.st_ino;
  }

  test::TempDir dir_;
  fs::path data_ = dir_ / "share";
  ScopedEnv env_{"XDG_DATA_HOME", data_.string()};
};

TEST_F(RegisterVerbTest, WritesAllEntriesInTheLanguageOfTheStart) {
  RegisterVerb(u"/usr/bin/sigillo", true);
  for (const char* relative : kVerbFiles) {
    EXPECT_NE(test::ReadFile(data_ / relative).find("Sigillo..."), std::string::npos) << relative;
  }
  const fs::perms menu = fs::status(data_ / kVerbFiles[0]).permissions();
  EXPECT_NE(menu & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(fs::status(data_ / kVerbFiles[2]).permissions() & fs::perms::owner_exec,
            fs::perms::none);

  RegisterVerb(u"/usr/bin/sigillo", false);
  for (const char* relative : kVerbFiles) {
    const std::string content = test::ReadFile(data_ / relative);
    EXPECT_NE(content.find("Vaultix..."), std::string::npos) << relative;
    EXPECT_EQ(content.find("=Sigillo..."), std::string::npos) << relative;
    EXPECT_EQ(content.find("=&Sigillo..."), std::string::npos) << relative;
  }
}

TEST_F(RegisterVerbTest, LeavesUnchangedEntriesAloneAndRewritesChangedOnes) {
  RegisterVerb(u"/usr/bin/sigillo", true);
  std::vector<ino_t> before;
  for (const char* relative : kVerbFiles)
    before.push_back(Inode(relative));

  RegisterVerb(u"/usr/bin/sigillo", true);
  for (size_t i = 0; i < before.size(); ++i)
    EXPECT_EQ(Inode(kVerbFiles[i]), before[i]);

  // A service menu that lost its executable bit gets it back without a rewrite.
  fs::permissions(data_ / kVerbFiles[0],
                  fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::remove);
  RegisterVerb(u"/usr/bin/sigillo", true);
  EXPECT_EQ(Inode(kVerbFiles[0]), before[0]);
  EXPECT_NE(fs::status(data_ / kVerbFiles[0]).permissions() & fs::perms::owner_exec,
            fs::perms::none);

  // Started from another folder: the new path goes in.
  RegisterVerb(u"/opt/new/sigillo", true);
  EXPECT_NE(test::ReadFile(data_ / kVerbFiles[2]).find("Exec=\"/opt/new/sigillo\" %f"),
            std::string::npos);
  EXPECT_NE(Inode(kVerbFiles[2]), before[2]);
  for (const auto& entry : fs::recursive_directory_iterator(data_)) {
    EXPECT_EQ(entry.path().filename().string().find(".new-"), std::string::npos)
        << "left behind: " << entry.path();
  }
}

TEST_F(RegisterVerbTest, UnwritableDataFolderIsSwallowed) {
  // A plain file where the folder should be: nothing can be created below it,
  // whatever the rights of the user running the test.
  test::WriteFile(data_, "not a folder");
  RegisterVerb(u"/usr/bin/sigillo", true);
  EXPECT_TRUE(fs::is_regular_file(data_));
}

}  // namespace
}  // namespace sigillo
