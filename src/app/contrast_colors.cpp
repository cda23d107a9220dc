#include "app/contrast_colors.h"

#include "app/design.h"

namespace duskfall {

namespace {

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kGrey = 0x808080;

}  // namespace

TextColors CautionColors(bool highContrast, ThemeColors theme) {
  if (highContrast) return {theme.text, theme.face};
  return {kBlack, kLabel1Background};
}

TextColors AboutLabelColors(bool highContrast, ThemeColors theme) {
  return {highContrast ? theme.text : kBlack, theme.face};
}

SeparatorColors AboutSeparatorColors(bool highContrast, ThemeColors theme) {
  // Grey and white vanish on a white or black face: draw both lines in the text's color.
  if (highContrast) return {theme.text, theme.text};
  return {kGrey, kWhite};
}

}  // namespace duskfall
