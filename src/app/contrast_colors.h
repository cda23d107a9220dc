// The colors the program paints with itself. The normal look keeps its fixed colors; with a
// high-contrast theme on, the theme's own colors win, so that no text becomes unreadable.
#pragma once

#include <cstdint>

namespace duskfall {

using Color = std::uint32_t;  // a COLORREF: 0x00BBGGRR

// The theme's colors for text on a dialog's face.
struct ThemeColors {
  Color text;
  Color face;
};

struct TextColors {
  Color text;
  Color background;
  bool operator==(const TextColors&) const = default;
};

// The etched separator: a dark line with a light one just below it.
struct SeparatorColors {
  Color dark;
  Color light;
  bool operator==(const SeparatorColors&) const = default;
};

TextColors CautionColors(bool highContrast, ThemeColors theme);
TextColors AboutLabelColors(bool highContrast, ThemeColors theme);
SeparatorColors AboutSeparatorColors(bool highContrast, ThemeColors theme);

}  // namespace duskfall
