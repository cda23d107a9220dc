// What the system's theme says about colors: whether High Contrast is on, and its colors for
// text on a dialog's face.
#pragma once

#include <windows.h>

#include "app/contrast_colors.h"
#include "win32/handles.h"

namespace duskfall {

inline bool HighContrastOn() {
  HIGHCONTRASTW settings{};
  settings.cbSize = sizeof settings;
  const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) &&
                  (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
#ifdef DUSKFALL_PRETEND_HIGH_CONTRAST
  // A build for pictures under Wine, which cannot switch High Contrast on. It still asks, so
  // that it imports what the program imports and the import guard passes it.
  static_cast<void>(on);
  return true;
#else
  return on;
#endif
}

inline ThemeColors CurrentThemeColors() {
  return ThemeColors{GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
}

// Whether a message may have switched High Contrast: a change of the system's colors, or a
// setting change about High Contrast itself. Windows broadcasts setting changes of every kind,
// and a window that repaints for each one flickers for nothing.
inline bool ColorsMayHaveChanged(UINT message, WPARAM wParam) {
  return message == WM_SYSCOLORCHANGE ||
         (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST);
}

// The brush that paints a label's background in the color chosen for its text's background,
// made again only when that color changes.
class BrushForColor {
 public:
  HBRUSH For(COLORREF color) {
    if (!brush_ || color_ != color) {
      brush_.reset(CreateSolidBrush(color));
      color_ = color;
    }
    return static_cast<HBRUSH>(brush_.get());
  }

 private:
  UniqueBrush brush_;
  COLORREF color_ = 0;
};

}  // namespace duskfall
