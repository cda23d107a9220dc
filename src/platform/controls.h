// The window controls as the program's logic sees them: a few properties each, read and
// written afresh at every event, so the controls themselves hold the program's state.
#pragma once

#include <cstdint>
#include <string>

#include "platform/date_time.h"

namespace duskfall {

// A control with a text (caption) and an enabled flag: buttons, labels, text boxes and menu
// items.
class Control {
 public:
  virtual ~Control() = default;
  virtual std::wstring Text() const = 0;
  virtual void SetText(const std::wstring& text) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetFocus() = 0;
};

// A drop-down list that accepts only its own entries; its text is the chosen entry ("" when
// none is chosen), and setting the text chooses the entry that equals it.
class ListControl : public Control {
 public:
  virtual void Clear() = 0;
  virtual void AddItem(const std::wstring& item) = 0;
  virtual int ItemCount() const = 0;
  virtual std::wstring Item(int position) const = 0;
};

// The time picker: a date-time value whose date part stays the zero date.
class TimeControl : public Control {
 public:
  virtual DateTime Value() const = 0;
  virtual void SetValue(DateTime value) = 0;
};

// The count-down timer. Enabling it starts a fresh period; changing the interval of an enabled
// timer restarts it.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual std::uint32_t Interval() const = 0;
  virtual void SetInterval(std::uint32_t milliseconds) = 0;
};

enum class WindowState : int { kNormal = 0, kMinimized = 1, kMaximized = 2 };

// A point in the window's coordinate unit (twips).
struct TwipsPoint {
  double x = 0;
  double y = 0;
  bool operator==(const TwipsPoint&) const = default;
};

// A top-level window of the program.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual void Load() = 0;  // creates the window and runs its load handler
  virtual void Show() = 0;  // modeless, no owner
  virtual void Hide() = 0;
  virtual void Refresh() = 0;  // paint now
  virtual void Unload() = 0;   // runs the window's unload handler, then destroys it
  virtual bool Loaded() const = 0;
  virtual bool Visible() const = 0;
  virtual WindowState State() const = 0;
  virtual void SetState(WindowState state) = 0;
  virtual bool SetForeground() = 0;
  // Shows the window in its normal state over the other windows, leaving the focus where the
  // user works: for when the foreground is refused, or must not be taken. Topmost, it stays
  // over every other window until EndTopmost; if not, the next window raised may cover it.
  virtual void ShowOnTopWithoutFocus(bool topmost) = 0;
  virtual void EndTopmost() = 0;
  virtual std::wstring Caption() const = 0;
  virtual void SetCaption(const std::wstring& caption) = 0;
  // Opaque handles for the tray record.
  virtual std::uintptr_t Handle() const = 0;
  virtual std::uintptr_t IconHandle() const = 0;
};

}  // namespace duskfall
