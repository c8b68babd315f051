// sigillo.exe: the desktop program on the Win32 API. The language follows the
// locale identifier that the application object keeps (and takes anew when the
// system's settings change).
#include "ui/win32/win32_windows.h"

#include "shell/language.h"
#include "shell/sigillo.h"
#include "ui/win32/win32_application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  sigillo::ui::win32::Win32Application app(instance);
  sigillo::SetLocaleSource([&app] { return app.LocaleIdentifier(); });
  const int code = sigillo::RunSigillo(app, sigillo::HostOperationContext());
  sigillo::SetLocaleSource(nullptr);
  return code;
}
