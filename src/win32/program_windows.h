// Counts the program's loaded windows: the process ends when none is left.
#pragma once

#include <windows.h>

namespace duskfall {

class ProgramWindows {
 public:
  // Counted from WM_NCCREATE to WM_NCDESTROY, which Windows pairs even when a creation fails.
  void Opened() { ++count_; }
  void Closed() {
    if (--count_ > 0) return;
    // The message loop in main.cpp looks after each message whether a window is left; a window
    // closed inside GetMessage (by a sent message: another program's WM_CLOSE, or the tray's
    // report that opened the menu) brings none. A single posted message would not do: a modal
    // loop running then (a message box, the tray menu, moving or sizing) takes it for itself,
    // and ours waits on. A timer's message comes again until the loop has seen one.
    if (SetTimer(nullptr, 0, kWakeMilliseconds, nullptr) != 0) return;
    // Windows has no timer left: a posted message wakes our loop at least when no modal loop
    // runs, rather than leaving the process on with no window and no icon.
    PostMessageW(nullptr, WM_NULL, 0, 0);
  }
  bool NoneLoaded() const { return count_ == 0; }

 private:
  static constexpr UINT kWakeMilliseconds = 100;
  int count_ = 0;
};

}  // namespace duskfall
