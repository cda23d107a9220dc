#include "tray/tray_icon.h"

#include <algorithm>
#include <string_view>

#include "app/main_window.h"
#include "text/texts.h"

namespace duskfall {

void FillTrayIconData(NotifyIconRecord& record, std::uintptr_t window, std::uintptr_t icon) {
  record.cbSize = kTrayRecordSize;
  record.hWnd = window;
  record.uID = kTrayIconId;
  record.uFlags = kTrayFlags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = icon;
  PutTip(record, kMainTitle);
}

std::size_t CutLength(std::wstring_view text, std::size_t room) {
  if (text.size() <= room) return text.size();
  // A high surrogate kept as the last would lose its low one, the first character cut off.
  const bool splitsPair = room > 0 && text[room - 1] >= 0xD800 && text[room - 1] <= 0xDBFF;
  return splitsPair ? room - 1 : room;
}

void PutTip(NotifyIconRecord& record, std::wstring_view tip) {
  record.szTip.fill(L' ');
  const std::size_t length = CutLength(tip, record.szTip.size() - 1);
  std::copy_n(tip.begin(), length, record.szTip.begin());
  record.szTip[length] = L'\0';
}

void Form1::Form_Resize() {
  if (self_.State() == WindowState::kMinimized) self_.Hide();
}

void Form1::AddTrayIcon() {
  // At logon the shell may not answer in time: a refused icon is offered again until the shell
  // takes it, so that a resumed count-down never runs without an icon to cancel it from.
  if (s_.tray.Shell_NotifyIconW(kNimAdd, module_.TrayIconData)) {
    IconTaken();
    return;
  }
  c_.TrayRetry->SetInterval(kTrayRetryInterval);
  c_.TrayRetry->SetEnabled(true);
}

void Form1::TrayRetry_Timer() {
  // An add that timed out may still have reached the shell: then the icon is there, and only a
  // modify of it succeeds.
  if (s_.tray.Shell_NotifyIconW(kNimAdd, module_.TrayIconData) ||
      s_.tray.Shell_NotifyIconW(kNimModify, module_.TrayIconData)) {
    IconTaken();
  }
}

void Form1::IconTaken() {
  c_.TrayRetry->SetEnabled(false);
  // The shell took the record as it was filled, with the title for its tip.
  tipAsked_ = kMainTitle;
  UpdateTip();
  // A last-minute warning held back while the shell had no icon to show it over goes out now.
  if (c_.TMCounter->Enabled()) WarnOfLastMinute(s_.system.LocalNow());
}

void Form1::TaskbarCreated() {
  // The shell forgot the icon with its old taskbar: add the same record again.
  AddTrayIcon();
}

}  // namespace duskfall
