// What the system's theme says about colors: whether High Contrast is on, and its colors for
// text on a dialog's face.
#pragma once

#include <windows.h>

#include "app/contrast_colors.h"

namespace duskfall {

inline bool HighContrastOn() {
#ifdef DUSKFALL_PRETEND_HIGH_CONTRAST
  return true;  // a build for pictures under Wine, which cannot switch High Contrast on
#endif
  HIGHCONTRASTW settings{};
  settings.cbSize = sizeof settings;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof settings, &settings, 0) != FALSE &&
         (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

inline ThemeColors CurrentThemeColors() {
  return ThemeColors{GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNFACE)};
}

}  // namespace duskfall
