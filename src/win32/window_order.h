// A window brought over the others by a program in the background, which Windows refuses the
// foreground.
#pragma once

#include <windows.h>

namespace duskfall {

// Shows the window in its normal state over the other windows without activating it. Made
// topmost and then not, it rises above the active program's windows, which HWND_TOP alone does
// not promise from the background.
inline void ShowOnTopWithoutActivating(HWND window) {
  ShowWindow(window, SW_SHOWNOACTIVATE);  // restores a minimised window too
  constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly);
  SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly);
}

}  // namespace duskfall
