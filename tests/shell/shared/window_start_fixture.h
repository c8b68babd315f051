// The files a start names on the command line, for the start tests of both systems.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"
#include "toolz/text.h"
#include "window_driver.h"

namespace sigillo::test {

class StartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_ / "first file.txt", "one");
    WriteFile(dir_ / "second.txt", "two");
    std::filesystem::create_directory(dir_ / "folder");
  }
  Text In(const char* utf8_name) const { return TextOfPath(dir_.path(), utf8_name); }

  TempDir dir_;
};

}  // namespace sigillo::test
