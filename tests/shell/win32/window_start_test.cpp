// Start-up: the message loop, the command line's file, the language and its
// settings-change rule, the Explorer verb in the registry, and the real program.
#include <gtest/gtest.h>

#include "ui/win32/win32_windows.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "cli/child_process.h"
#include "shell/form_toolz.h"
#include "shell/language.h"
#include "shell/sigillo.h"
#include "support/temp_dir.h"
#include "toolz/wide_text.h"
#include "ui/win32/win32_controls.h"
#include "window_harness.h"
#include "window_start_fixture.h"

namespace sigillo::test {
namespace {

namespace fs = std::filesystem;

// The default value of a key below the classes root, as stored: the terminating
// zero included. Nothing when the key or value is missing or not a string.
std::optional<std::wstring> ClassesValue(const wchar_t* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  DWORD type = 0;
  DWORD bytes = 0;
  std::wstring value;
  LSTATUS status = RegQueryValueExW(key, nullptr, nullptr, &type, nullptr, &bytes);
  if (status == ERROR_SUCCESS && type == REG_SZ) {
    value.resize(bytes / sizeof(wchar_t));
    status = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                              &bytes);
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return value;
}

const wchar_t kVerbKey[] = L"*\\shell\\QZ-2048";
const wchar_t kCommandKey[] = L"*\\shell\\QZ-2048\\command";

// Runs in the message loop of RunSigillo: looks at the window, then quits.
struct LoopVisit {
  bool visible = false;
  Text title;
  Text focus_label;  // the label before the box that has the focus
  bool done = false;
};
LoopVisit* loop_visit = nullptr;

void CALLBACK VisitTheLoop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HWND form = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (lstrcmpW(name, L"SigilloForm") != 0 || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&form));
  if (form == nullptr) return;
  loop_visit->visible = true;
  loop_visit->title = ui::win32::WindowTextOf(form);
  loop_visit->focus_label = ui::win32::WindowTextOf(GetWindow(GetFocus(), GW_HWNDPREV));
  loop_visit->done = true;
  const UINT quit = GetMenuItemID(GetSubMenu(GetMenu(form), 0), 0);
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(quit, 0), 0);
}

TEST_F(StartTest, TheProgramRunsUntilItsWindowCloses) {
  SetLocaleSource([] { return 1033; });
  LoopVisit visit;
  loop_visit = &visit;
  SetTimer(nullptr, 0, 50, &VisitTheLoop);
  EXPECT_EQ(RunSigillo(App(), HostOperationContext()), 0);
  loop_visit = nullptr;
  EXPECT_TRUE(visit.done);
  EXPECT_TRUE(visit.visible);
  EXPECT_EQ(visit.title, u"Vaultix1.01");
  EXPECT_EQ(App().Title(), u"Vaultix1.01");
  EXPECT_EQ(visit.focus_label, u"文件名称:");  // txtFileName
  SetLocaleSource(nullptr);
  SetCommandLine({});
  DrainMessages();
}

TEST_F(StartTest, ExplorerVerbIsWrittenInTheLanguageOfTheStart) {
  const std::wstring command = L"\"" + WideOf(App().ExeName()) + L"\" \"%1\"" + L'\0';
  { TestWindow w({}, 1053); }
  EXPECT_EQ(ClassesValue(kVerbKey), std::wstring(L"&Sigillo...") + L'\0');
  EXPECT_EQ(ClassesValue(kCommandKey), command);
  { TestWindow w({u"/english"}, 1053); }
  EXPECT_EQ(ClassesValue(kVerbKey), std::wstring(L"QZ-&Vaultix...") + L'\0');
  EXPECT_EQ(ClassesValue(kCommandKey), command);
}

TEST_F(StartTest, RegistryThatCannotBeWrittenDoesNotStopTheStart) {
  // Classes whose file-type key takes no lasting subkey: the verb cannot be made.
  const wchar_t scratch[] = L"Software\\SigilloTest\\WindowClasses";
  RegDeleteTreeW(HKEY_CURRENT_USER, scratch);
  HKEY classes = nullptr;
  HKEY all_files = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, scratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &classes, nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegCreateKeyExW(classes, L"*", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                            &all_files, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(all_files);
  ASSERT_EQ(RegOverridePredefKey(HKEY_CLASSES_ROOT, classes), ERROR_SUCCESS);
  {
    TestWindow w({In("second.txt")}, 1053);
    EXPECT_TRUE(IsWindowVisible(w.hwnd()));
    EXPECT_EQ(w.text("txtFileName"), In("second.txt"));
    EXPECT_EQ(w.FocusName(), "txtPassword");
    EXPECT_FALSE(ClassesValue(kVerbKey).has_value());
  }
  RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
  RegCloseKey(classes);
  RegDeleteTreeW(HKEY_CURRENT_USER, scratch);
}

// The locale the program goes by is the thread's at start-up; a change of the
// system's settings (or a new taskbar) sets the thread's locale to the user's
// default and takes it anew.
TEST_F(StartTest, LocaleIsTakenAnewAfterASettingsChange) {
  const LCID before = GetThreadLocale();
  const LCID german = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);
  TestWindow w({}, TestWindow::kApplicationLocale);
  for (const UINT message :
       {static_cast<UINT>(WM_SETTINGCHANGE), RegisterWindowMessageW(L"TaskbarCreated")}) {
    SCOPED_TRACE(message);
    SetThreadLocale(german);
    const int32_t kept = App().LocaleIdentifier();
    EXPECT_NE(kept, static_cast<int32_t>(german));  // not read again by itself
    SendMessageW(w.hwnd(), message, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_EQ(GetThreadLocale(), GetUserDefaultLCID());
    EXPECT_EQ(App().LocaleIdentifier(), static_cast<int32_t>(GetUserDefaultLCID()));
    EXPECT_EQ(IsSwedish(), GetUserDefaultLCID() == 1053);
  }
  SetThreadLocale(before);
  App().SettingsChanged();
}

// The program itself, started with a switch and a file name with a blank, as the
// Explorer verb starts it: its window, its file, its verb, its end.
TEST_F(StartTest, TheProgramOpensItsWindowWithTheFileAndWritesTheVerb) {
  ChildProcess program({SIGILLO_PROGRAM_PATH, "/english", U8(In("first file.txt"))});
  ASSERT_TRUE(program.started());
  HWND form = nullptr;
  for (int i = 0; i < 200 && form == nullptr; ++i) {
    EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
          wchar_t name[32] = {};
          GetClassNameW(window, name, 32);
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          if (lstrcmpW(name, L"SigilloForm") != 0 || process == GetCurrentProcessId() ||
              !IsWindowVisible(window))
            return TRUE;
          *reinterpret_cast<HWND*>(found) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&form));
    if (form == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(ui::win32::WindowTextOf(form), u"Vaultix1.01");
  // The window is shown first, then the name put into its first box. (Only the
  // message gives another program's box text.)
  const HWND file_box = FindWindowExW(form, nullptr, L"Edit", nullptr);
  const auto box_text = [file_box] {
    wchar_t text[MAX_PATH] = {};
    SendMessageW(file_box, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text));
    return TextOfWide(text);
  };
  for (int i = 0; i < 100 && box_text().empty(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(box_text(), In("first file.txt"));
  RECT client{};
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 249);
  EXPECT_EQ(client.bottom, 305);
  EXPECT_EQ(ClassesValue(kVerbKey), std::wstring(L"QZ-&Vaultix...") + L'\0');
  const std::optional<std::wstring> command = ClassesValue(kCommandKey);
  ASSERT_TRUE(command.has_value());
  EXPECT_EQ(
      lstrcmpiW(command->c_str(),
                (L"\"" + BuiltProgram(SIGILLO_PROGRAM_PATH).wstring() + L"\" \"%1\"").c_str()),
      0)
      << U8(TextOfWide(*command));
  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.Wait(), 0);
}

// Registered with ctest a second time under LANG=sv_SE.UTF-8, which wine takes as the
// user's locale; skipped in the ordinary run.
TEST(SwedishLocale, TheProgramSpeaksSwedishByTheLocale) {
  if (std::getenv("SIGILLO_EXPECT_SWEDISH") == nullptr) {
    GTEST_SKIP() << "runs only under a Swedish locale";
  }
  EXPECT_EQ(App().LocaleIdentifier(), 1053);
  {
    TestWindow w({}, TestWindow::kApplicationLocale);
    EXPECT_TRUE(IsSwedish());
    EXPECT_EQ(ui::win32::WindowTextOf(w.hwnd()), u"Sigillo 1.41");
    EXPECT_EQ(w.text("lblRepeatPassword"), u"Upprepa lösenordet:");
    EXPECT_EQ(ClassesValue(kVerbKey), std::wstring(L"&Sigillo...") + L'\0');
    // A settings change keeps the Swedish locale of the user.
    SendMessageW(w.hwnd(), WM_SETTINGCHANGE, 0, 0);
    EXPECT_TRUE(IsSwedish());
    // The words on the buttons are the system's.
    BoxAnswerer user;
    user.Then(IDNO);
    EXPECT_FALSE(AskConfirm(w.frm().Form(), u"", u""));
    ASSERT_EQ(user.seen.size(), 1u);
    EXPECT_EQ(user.seen[0].text, u"Fortsätta?");
    EXPECT_EQ(user.seen[0].words, (std::vector<Text>{u"Ja", u"Nej"}));
  }
  {
    TestWindow w({u"/english"}, TestWindow::kApplicationLocale);
    EXPECT_FALSE(IsSwedish());
    EXPECT_EQ(ui::win32::WindowTextOf(w.hwnd()), u"Vaultix1.01");
  }
}

}  // namespace
}  // namespace sigillo::test
