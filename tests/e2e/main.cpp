// The end-to-end driver: a Windows program run under Wine next to Duskfall.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "e2e/driver.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--sentinel") == 0) {
    return duskfall::e2e::RunSentinel(
        reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 10))));
  }
  // Window rectangles in physical pixels, as the program's own are.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
