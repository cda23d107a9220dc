#include "tray/tray_balloon.h"

#include <algorithm>

namespace duskfall {

namespace {

// Left-aligned and NUL-ended; a text too long for the field is cut.
template <std::size_t N>
void PutText(std::array<wchar_t, N>& field, std::wstring_view text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::copy_n(text.begin(), length, field.begin());
  field[length] = L'\0';
}

}  // namespace

NotifyIconBalloon TrayBalloon(const NotifyIconRecord& icon, std::wstring_view title,
                              std::wstring_view text) {
  NotifyIconBalloon balloon;
  balloon.icon = icon;
  balloon.icon.cbSize = kTrayBalloonRecordSize;
  // Only the balloon changes: the icon, tip and callback stay as they were added.
  balloon.icon.uFlags = kNifInfo;
  PutText(balloon.szInfo, text);
  PutText(balloon.szInfoTitle, title);
  balloon.dwInfoFlags = kNiifWarning;
  return balloon;
}

}  // namespace duskfall
