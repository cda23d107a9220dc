#include "tray/tray_balloon.h"

#include <algorithm>

#include "tray/tray_icon.h"

namespace duskfall {

namespace {

// Left-aligned in a field of NULs, of which at least the last stays; a longer text is cut.
template <std::size_t N>
void PutText(std::array<wchar_t, N>& field, std::wstring_view text) {
  std::copy_n(text.begin(), CutLength(text, N - 1), field.begin());
}

}  // namespace

NotifyIconBalloon TrayBalloon(const NotifyIconRecord& icon, std::wstring_view title,
                              std::wstring_view text) {
  NotifyIconBalloon balloon;
  balloon.icon = icon;
  // Only the balloon changes: the icon, tip and callback stay as they were added.
  balloon.icon.uFlags = kNifInfo;
  PutText(balloon.szInfo, text);
  PutText(balloon.szInfoTitle, title);
  balloon.dwInfoFlags = kNiifWarning;
  return balloon;
}

}  // namespace duskfall
