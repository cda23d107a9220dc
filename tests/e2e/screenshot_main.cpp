// Starts Duskfall, saves a picture of its main window and closes it again: for scripts/run
// on a machine without a display.
#include <cstdio>

#include "e2e/driver.h"

int main() {
  using namespace duskfall::e2e;
  Program program;
  const HWND window = program.WaitForMainWindow();
  if (window == nullptr) {
    std::fputs("the main window did not appear\n", stderr);
    return 1;
  }
  SaveScreenshot(window, L"main-window");
  PostMessageW(window, WM_CLOSE, 0, 0);
  return program.WaitForExit() ? 0 : 1;
}
