// Builds Form1's controls from the design table through a factory, front to back in the tab
// order, applies their initial state and binds them to their names. The Win32 window and the test
// fakes share it, so both start from the same idle state.
#pragma once

#include "app/design.h"
#include "app/main_window.h"

namespace duskfall {

class ControlFactory {
 public:
  virtual ~ControlFactory() = default;
  virtual Control& CreateButton(const ControlDesign& design) = 0;
  virtual Control& CreateLabel(const ControlDesign& design) = 0;
  virtual Control& CreateTextBox(const ControlDesign& design) = 0;
  virtual TimeControl& CreateTimePicker(const ControlDesign& design) = 0;
  virtual ListControl& CreateList(const ControlDesign& design) = 0;
  virtual Timer& CreateTimer(const ControlDesign& design) = 0;
  virtual Control& CreateMenuItem(const MenuItemDesign& design) = 0;
};

// The picker's value at load: noon on the zero date.
inline constexpr DateTime kInitialPickerValue = DateTime::TimeOfDay(12, 0, 0);

Form1Controls BuildForm1(ControlFactory& factory);

}  // namespace duskfall
