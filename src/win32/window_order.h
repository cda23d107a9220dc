// A window brought over the others by a program in the background, which Windows refuses the
// foreground.
#pragma once

#include <windows.h>

namespace duskfall {

inline constexpr UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

// A topmost window made an ordinary one again, still over every window that is not topmost.
inline void EndTopmost(HWND window) {
  SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly);
}

// Shows the window in its normal state over the other windows without activating it. Made
// topmost, it rises above the active program's windows, which HWND_TOP alone does not promise
// from the background; unless it is to stay topmost, it is then made not topmost again, which
// leaves it just behind the topmost windows.
inline void ShowOnTopWithoutActivating(HWND window, bool topmost) {
  ShowWindow(window, SW_SHOWNOACTIVATE);  // restores a minimised window too
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly);
  if (!topmost) EndTopmost(window);
}

}  // namespace duskfall
