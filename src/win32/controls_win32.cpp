#include "win32/controls_win32.h"

#include <commctrl.h>

#include <vector>

namespace duskfall {

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::wstring WindowControl::Text() const { return WindowText(window_); }
// A control made with its text and state is not told them again: each change repaints it.
void WindowControl::SetText(const std::wstring& text) {
  if (Text() != text) SetWindowTextW(window_, text.c_str());
}
bool WindowControl::Enabled() const { return IsWindowEnabled(window_) != FALSE; }
void WindowControl::SetEnabled(bool enabled) {
  if (Enabled() != enabled) EnableWindow(window_, enabled ? TRUE : FALSE);
}
void WindowControl::SetFocus() { ::SetFocus(window_); }

std::wstring ListWindow::Text() const {
  const LRESULT selected = SendMessageW(window_, CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? std::wstring() : Item(static_cast<int>(selected));
}

void ListWindow::SetText(const std::wstring& text) {
  // CB_FINDSTRINGEXACT ignores case; the modes are compared exactly.
  int found = -1;
  for (int i = 0; i < ItemCount() && found < 0; ++i) {
    if (Item(i) == text) found = i;
  }
  SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

bool ListWindow::Enabled() const { return IsWindowEnabled(window_) != FALSE; }
void ListWindow::SetEnabled(bool enabled) {
  if (Enabled() != enabled) EnableWindow(window_, enabled ? TRUE : FALSE);
}
void ListWindow::SetFocus() { ::SetFocus(window_); }
void ListWindow::Clear() { SendMessageW(window_, CB_RESETCONTENT, 0, 0); }

void ListWindow::AddItem(const std::wstring& item) {
  SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ListWindow::ItemCount() const {
  const LRESULT count = SendMessageW(window_, CB_GETCOUNT, 0, 0);
  return count == CB_ERR ? 0 : static_cast<int>(count);
}

std::wstring ListWindow::Item(int position) const {
  const LRESULT length = SendMessageW(window_, CB_GETLBTEXTLEN, position, 0);
  if (length == CB_ERR) return std::wstring();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(window_, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data());
}

DateTime DateTimeFromSystemTime(const SYSTEMTIME& time) {
  return DateTime::FromCivil(
      CivilTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond});
}

SYSTEMTIME SystemTimeFromDateTime(DateTime value) {
  const CivilTime civil = value.ToCivil();
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(civil.year);
  time.wMonth = static_cast<WORD>(civil.month);
  time.wDay = static_cast<WORD>(civil.day);
  time.wHour = static_cast<WORD>(civil.hour);
  time.wMinute = static_cast<WORD>(civil.minute);
  time.wSecond = static_cast<WORD>(civil.second);
  return time;
}

std::wstring TimePickerWindow::Text() const { return WindowText(window_); }
void TimePickerWindow::SetText(const std::wstring&) {}
bool TimePickerWindow::Enabled() const { return IsWindowEnabled(window_) != FALSE; }
void TimePickerWindow::SetEnabled(bool enabled) {
  if (Enabled() != enabled) EnableWindow(window_, enabled ? TRUE : FALSE);
}
void TimePickerWindow::SetFocus() { ::SetFocus(window_); }

DateTime TimePickerWindow::Value() const {
  SYSTEMTIME time{};
  SendMessageW(window_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
  return DateTimeFromSystemTime(time);
}

void TimePickerWindow::SetValue(DateTime value) {
  SYSTEMTIME time = SystemTimeFromDateTime(value);
  SendMessageW(window_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void WindowTimer::SetEnabled(bool enabled) {
  if (!enabled && !enabled_) return;  // not running: nothing to stop
  enabled_ = enabled;
  if (enabled_ && interval_ > 0) {
    // Restarts the period when already running. Windows refuses a timer when the session has
    // run out of them: such a timer would never tick, and it says that it is not running.
    enabled_ = SetTimer(owner_, id_, interval_, nullptr) != 0;
  } else {
    KillTimer(owner_, id_);
  }
}

void WindowTimer::SetInterval(std::uint32_t milliseconds) {
  interval_ = milliseconds;
  if (enabled_) SetEnabled(true);
}

std::wstring MenuItemControl::Text() const {
  wchar_t buffer[256] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = buffer;
  info.cch = static_cast<UINT>(std::size(buffer));
  GetMenuItemInfoW(menu_, id_, FALSE, &info);
  return buffer;
}

void MenuItemControl::SetText(const std::wstring& text) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  SetMenuItemInfoW(menu_, id_, FALSE, &info);
}

bool MenuItemControl::Enabled() const {
  return (GetMenuState(menu_, id_, MF_BYCOMMAND) & (MF_DISABLED | MF_GRAYED)) == 0;
}

void MenuItemControl::SetEnabled(bool enabled) {
  EnableMenuItem(menu_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MenuItemControl::SetFocus() {}  // a menu item has no focus of its own

}  // namespace duskfall
