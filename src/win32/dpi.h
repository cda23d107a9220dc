// Twips and pixels at a window's own DPI, and the dialog font for that DPI. The newer DPI
// functions are looked up at run time, so the program also starts where they do not exist.
#pragma once

#include <windows.h>

#include "app/design.h"

namespace duskfall {

inline constexpr int kTwipsPerInch = 1440;

UINT DpiForWindow(HWND window);
// The DPI of the monitor the point is on, or nearest to.
UINT DpiAtPoint(POINT point);
UINT SystemDpi();
int TwipsToPixels(int twips, UINT dpi);
RECT TwipsToPixels(const TwipsRect& rect, UINT dpi);
// The outer rectangle of a window whose client area is the given pixel rectangle.
RECT WindowRectForClient(const RECT& client, DWORD style, DWORD exStyle, UINT dpi);
// The outer size of a window whose client area is the given twips at the given DPI.
SIZE WindowSizeForClient(int widthTwips, int heightTwips, DWORD style, DWORD exStyle, UINT dpi);
// A system metric (an icon size, say) at the DPI.
int SystemMetricForDpi(int index, UINT dpi);
// Moves and sizes a window to the rectangle that WM_DPICHANGED suggests, position and size
// together: Windows chose it so that the window stays on the monitor it was moved to.
void TakeSuggestedRect(HWND window, LPARAM suggested);
// The classic dialog font, 8 points at the DPI: the size the window's layout was drawn for.
HFONT CreateDialogFont(UINT dpi, int tenthsOfPoint = 80);

}  // namespace duskfall
