// The end-to-end driver: a Windows program run under Wine next to Duskfall.exe.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Window rectangles in physical pixels, as the program's own are.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
