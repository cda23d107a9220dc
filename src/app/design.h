// The main window's design as data: every control with its name, kind, index, texts, position
// in twips, tab position and initial state, and the hidden tray menu. The Win32 window and the
// test fakes both build from these tables.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "text/texts.h"

namespace duskfall {

enum class ControlKind { kButton, kTimer, kTextBox, kTimePicker, kList, kLabel };

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlDesign {
  const wchar_t* name;
  ControlKind kind;
  int index;    // position in a control array, -1 for a single control
  TextId text;  // caption or initial text; kNone when the control has none
  TextId tooltip;
  TwipsRect position;
  int tabIndex;  // -1 for the timer, which has no place in the tab order
  bool enabled;
};

struct MenuItemDesign {
  const wchar_t* name;
  TextId caption;
};

struct FormDesign {
  const wchar_t* caption;
  int clientWidthTwips;
  int clientHeightTwips;
};

inline constexpr wchar_t kInitialMinutes[] = L"1";  // TxtCount's text at start-up
inline constexpr std::uint32_t kInitialTimerInterval = 60000;
inline constexpr std::uint32_t kFixedTimeInterval = 1000;
inline constexpr std::uint32_t kRelativeTimeInterval = 60000;
inline constexpr std::uint32_t kLabel1Background = 0x00FFFF;  // RGB(255, 255, 0) as COLORREF

extern const FormDesign kForm1Design;
std::span<const ControlDesign> Form1ControlDesigns();
std::span<const MenuItemDesign> TrayMenuItems();
extern const wchar_t* const kTrayMenuCaption;  // the hidden top-level menu's own caption

const ControlDesign* FindControl(const wchar_t* name, int index);

// The window's controls from front to back: the tab order, with each input's label directly
// before it, since a screen reader names an input after the label just before it.
std::vector<const ControlDesign*> Form1ZOrder();

}  // namespace duskfall
