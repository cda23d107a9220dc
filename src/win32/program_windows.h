// Counts the program's loaded windows: the process ends when none is left.
#pragma once

#include <windows.h>

namespace duskfall {

class ProgramWindows {
 public:
  // Counted from WM_NCCREATE to WM_NCDESTROY, which Windows pairs even when a creation fails.
  void Opened() { ++count_; }
  void Closed() {
    --count_;
    // A window closed by a sent message (WM_CLOSE from another program) goes inside
    // GetMessage, which would not return for it: wake the loop so that it looks again.
    PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
  }
  bool NoneLoaded() const { return count_ == 0; }

 private:
  int count_ = 0;
};

}  // namespace duskfall
