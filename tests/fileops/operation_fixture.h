// A folder with files, a scripted window and a context for running the operations.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "fileops/export.h"
#include "fileops/operations.h"
#include "support/scripted_window.h"
#include "support/temp_dir.h"

namespace sigillo::test {

class OperationTest : public ::testing::Test {
 protected:
  TempDir dir_;
  Generator gen_;
  ScriptedWindow window_;
  int reports_ = 0;

  OperationContext Context(FileSystem& fs) {
    return {gen_, fs, [this](Generator& gen, bool) {
              ++reports_;
              gen.SetRandSeed(12345 + reports_);
              return true;
            }};
  }

  // Name -> content of every file in the folder.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(dir_.path())) {
      const std::string name = e.path().filename().string();
      if (e.is_symlink())
        files[name] = "<link>";
      else if (e.is_directory())
        files[name] = "<folder>";
      else
        files[name] = ReadFile(e.path());
    }
    return files;
  }

  void Put(const std::string& name, std::string_view content) { WriteFile(dir_ / name, content); }
  Text PathOf(const std::string& name) const { return Utf8ToTextLossy(Utf8Path(dir_ / name)); }

  void Fill(const std::string& name, const Text& password, const Text& repeat) {
    window_.file = PathOf(name);
    window_.password = password;
    window_.repeat = repeat;
  }

  OperationOutcome Encrypt(const std::string& name, std::deque<bool> answers,
                           FileSystem& fs = HostFileSystem()) {
    Fill(name, u"hemligt", u"hemligt");
    window_.answers = std::move(answers);
    OperationContext context = Context(fs);
    return EncryptOperation(window_, context);
  }

  OperationOutcome Decrypt(const std::string& name, const Text& password,
                           FileSystem& fs = HostFileSystem()) {
    Fill(name, password, password);
    window_.answers = {true};
    OperationContext context = Context(fs);
    return DecryptOperation(window_, context);
  }

  // The encrypted form that the command line writes for the same content.
  std::string Sealed(std::string_view content, const Text& password = u"hemligt") {
    TempDir scratch;
    WriteFile(scratch / "in", content);
    Generator gen;
    EXPECT_FALSE(EncryptToFile(HostFileSystem(), gen, password,
                               {Utf8Path(scratch / "in"), Utf8Path(scratch / "out"), {}}));
    return ReadFile(scratch / "out");
  }
};

}  // namespace sigillo::test
