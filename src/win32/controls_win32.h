// The control interfaces on real window handles.
#pragma once

#include <windows.h>

#include <string>

#include "platform/controls.h"

namespace duskfall {

std::wstring WindowText(HWND window);

// Buttons, labels and the text box: the window text and the enabled flag.
class WindowControl : public Control {
 public:
  explicit WindowControl(HWND window) : window_(window) {}
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  void SetFocus() override;
  HWND Window() const { return window_; }

 private:
  HWND window_;
};

// A drop-down list combo box.
class ListWindow : public ListControl {
 public:
  explicit ListWindow(HWND window) : window_(window) {}
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  void SetFocus() override;
  void Clear() override;
  void AddItem(const std::wstring& item) override;
  int ItemCount() const override;
  std::wstring Item(int position) const override;

 private:
  HWND window_;
};

// The common date-and-time picker in time format.
class TimePickerWindow : public TimeControl {
 public:
  explicit TimePickerWindow(HWND window) : window_(window) {}
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  void SetFocus() override;
  DateTime Value() const override;
  void SetValue(DateTime value) override;

 private:
  HWND window_;
};

// A window timer identified by its id on its owner window.
class WindowTimer : public Timer {
 public:
  WindowTimer(HWND owner, UINT_PTR id) : owner_(owner), id_(id) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  std::uint32_t Interval() const override { return interval_; }
  void SetInterval(std::uint32_t milliseconds) override;
  UINT_PTR Id() const { return id_; }

 private:
  HWND owner_;
  UINT_PTR id_;
  bool enabled_ = false;
  std::uint32_t interval_ = 0;
};

// An item of a popup menu, found by its command id.
class MenuItemControl : public Control {
 public:
  MenuItemControl(HMENU menu, UINT id) : menu_(menu), id_(id) {}
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  void SetFocus() override;

 private:
  HMENU menu_;
  UINT id_;
};

// Conversions between the picker's SYSTEMTIME and the program's date-time scale.
DateTime DateTimeFromSystemTime(const SYSTEMTIME& time);
SYSTEMTIME SystemTimeFromDateTime(DateTime value);

}  // namespace duskfall
