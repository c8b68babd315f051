// The Explorer verb in the registry: the two keys below the classes root, their
// default values as strings with the terminating zero, failures swallowed. The
// classes root is mapped to a scratch key of the test's own (RegOverridePredefKey),
// so that the test sees exactly what the verb writes.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/verb.h"
#include "toolz/wide_text.h"

namespace sigillo {
namespace {

constexpr wchar_t kScratch[] = L"Software\\SigilloTest\\Classes";

struct StringValue {
  DWORD type = 0;
  std::wstring data;  // as stored, the terminating zero included
};

std::optional<StringValue> DefaultValue(HKEY root, const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  StringValue value;
  DWORD bytes = 0;
  LSTATUS status = RegQueryValueExW(key, nullptr, nullptr, &value.type, nullptr, &bytes);
  if (status == ERROR_SUCCESS) {
    value.data.resize(bytes / sizeof(wchar_t));
    status = RegQueryValueExW(key, nullptr, nullptr, &value.type,
                              reinterpret_cast<BYTE*>(value.data.data()), &bytes);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return std::nullopt;
  return value;
}

class VerbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &scratch_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegCloseKey(scratch_);
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
  }
  void Classes(HKEY key) { ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, key), ERROR_SUCCESS); }

  HKEY scratch_ = nullptr;
};

TEST_F(VerbTest, CaptionAndCommandInTheLanguageOfTheStart) {
  Classes(scratch_);
  const Text program = u"C:\\Program Files\\Sigillo 1.41\\sigillo.exe";
  struct Case {
    bool swedish;
    const wchar_t* caption;
  };
  for (const Case& c :
       {Case{true, L"&Sigillo..."}, Case{false, L"QZ-&Vaultix..."}, Case{true, L"&Sigillo..."}}) {
    RegisterVerb(program, c.swedish);
    const std::optional<StringValue> caption = DefaultValue(scratch_, L"*\\shell\\QZ-2048");
    ASSERT_TRUE(caption.has_value());
    EXPECT_EQ(caption->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(caption->data, std::wstring(c.caption) + L'\0');
    const std::optional<StringValue> command =
        DefaultValue(scratch_, L"*\\shell\\QZ-2048\\command");
    ASSERT_TRUE(command.has_value());
    EXPECT_EQ(command->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(command->data,
              std::wstring(L"\"C:\\Program Files\\Sigillo 1.41\\sigillo.exe\" \"%1\"") + L'\0');
  }
  // A start from another folder writes the new path.
  RegisterVerb(u"D:\\sigillo.exe", false);
  EXPECT_EQ(DefaultValue(scratch_, L"*\\shell\\QZ-2048\\command")->data,
            std::wstring(L"\"D:\\sigillo.exe\" \"%1\"") + L'\0');
}

// A key that cannot take the next one below it (a volatile key takes no lasting
// subkey) stops the registration there; what was written before stays.
TEST_F(VerbTest, TheFirstFailureEndsTheRegistrationWithoutAnError) {
  struct Case {
    const char* name;
    const wchar_t* volatile_key;
    bool caption_written;
  };
  const std::vector<Case> cases = {
      {"the caption's key cannot be made", L"*", false},
      {"the command's key cannot be made", L"*\\shell\\QZ-2048", true},
  };
  Classes(scratch_);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RegDeleteTreeW(scratch_, L"*");
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(scratch_, c.volatile_key, 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    RegisterVerb(u"C:\\sigillo.exe", true);
    const std::optional<StringValue> caption = DefaultValue(scratch_, L"*\\shell\\QZ-2048");
    EXPECT_EQ(caption.has_value() && caption->data == std::wstring(L"&Sigillo...") + L'\0',
              c.caption_written);
    EXPECT_FALSE(DefaultValue(scratch_, L"*\\shell\\QZ-2048\\command").has_value());
  }
}

}  // namespace
}  // namespace sigillo
