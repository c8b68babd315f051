// A file to encrypt and a user who fills in the window, for the operation tests of
// both systems.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "toolz/text.h"
#include "window_driver.h"

namespace sigillo::test {

class OperationTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteFile(file_, content_); }

  Text FileText() const { return file_.u16string(); }

  // Names the file and types the passwords, as the user does.
  void Fill(WindowDriver& w, TextView password, TextView repeated) {
    w.ShowActive();
    w.SetControlText("txtFileName", FileText());
    w.FocusControl("txtPassword");
    w.TypeText("txtPassword", password);
    w.FocusControl("txtRepeatPassword");
    w.TypeText("txtRepeatPassword", repeated);
  }

  void ExpectIdleAndEmpty(WindowDriver& w) {
    for (const char* name : {"txtFileName", "txtPassword", "txtRepeatPassword"}) {
      EXPECT_TRUE(w.ControlText(name).empty()) << name;
      EXPECT_TRUE(w.IsControlEnabled(name)) << name;
    }
    EXPECT_TRUE(w.IsControlEnabled("btnBrowse"));
    EXPECT_FALSE(w.IsControlEnabled("btnEncrypt"));
    EXPECT_FALSE(w.IsControlEnabled("btnDecrypt"));
    EXPECT_TRUE(w.ControlText("lblStatus").empty());
    EXPECT_EQ(w.FocusName(), "txtFileName");
    EXPECT_TRUE(w.CursorIsDefault());
  }

  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_.path()),
                                             std::filesystem::directory_iterator()));
  }

  void ExpectUntouched(WindowDriver& w, TextView password) {
    EXPECT_EQ(ReadFile(file_), content_);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "secret.TMP"));
    EXPECT_EQ(w.ControlText("txtFileName"), FileText());
    EXPECT_EQ(w.ControlText("txtPassword"), password);
    EXPECT_EQ(w.Pumps(), 0);  // the busy state was never entered
    EXPECT_EQ(FilesInFolder(), 1u);
  }

  TempDir dir_;
  std::filesystem::path file_ = dir_ / "secret.txt";
  std::string content_ = "The plain content, nothing more.\n";
};

}  // namespace sigillo::test
