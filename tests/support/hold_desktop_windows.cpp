// Keeps wine's desktop in use while the Windows tests run. Wine starts its desktop
// process (explorer.exe /desktop) for the first program that needs the desktop, with
// that program's output, and ends it only once no program uses the desktop any more:
// ctest would wait for it, on whichever test happened to start it. Started before ctest
// with its output elsewhere, this program holds the desktop until wine is stopped.
#include <windows.h>

int main() {
  const HDC desktop = GetDC(GetDesktopWindow());
  Sleep(INFINITE);
  ReleaseDC(GetDesktopWindow(), desktop);
  return 0;
}
