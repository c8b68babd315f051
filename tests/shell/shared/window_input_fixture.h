// Files of every kind the enabling rule tells apart, and which action button the
// window offers for them; for the input tests of both systems.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "toolz/text.h"
#include "window_driver.h"

namespace sigillo::test {

enum class Offer { kNone, kEncrypt, kDecrypt };

inline Offer OfferedBy(const WindowDriver& w) {
  const bool encrypt = w.IsControlEnabled("btnEncrypt");
  const bool decrypt = w.IsControlEnabled("btnDecrypt");
  // The enabled button is always the default one, and the other neither.
  EXPECT_EQ(encrypt, w.IsDefaultButton("btnEncrypt"));
  EXPECT_EQ(decrypt, w.IsDefaultButton("btnDecrypt"));
  EXPECT_FALSE(encrypt && decrypt);
  if (encrypt) return Offer::kEncrypt;
  if (decrypt) return Offer::kDecrypt;
  return Offer::kNone;
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(dir_ / "plain.txt", "some plain content");
    WriteFile(dir_ / "short", "abc");
    WriteFile(dir_ / "empty", "");
    WriteFile(dir_ / "sealed", std::string("$QZ2048$") + "\x01\x02\x03\x04" + "data");
    WriteFile(dir_ / "magic only", "$QZ2048$");
    WriteFile(dir_ / "almost", "$QZ2048");
    WriteFile(dir_.path() / std::filesystem::path(u8"lösenord.txt"), "x");
    std::filesystem::create_directory(dir_ / "folder");
  }

  Text In(const char* utf8_name) const { return TextOfPath(dir_.path(), utf8_name); }

  TempDir dir_;
};

struct EnablingCase {
  const char* name;
  Text text;
  Offer offer;
};

// The cases only one system has (names of its own kinds), made in the test's folder.
std::vector<EnablingCase> SystemEnablingCases(const std::filesystem::path& dir);

}  // namespace sigillo::test
