// The last warning before the power-off: one balloon over the tray icon per count-down, as soon
// as the next tick may be the one that fires, that is when a minute or less is left.
#include "app/main_window.h"
#include "text/leading_number.h"
#include "text/texts.h"
#include "tray/tray_balloon.h"

namespace duskfall {

namespace {

constexpr std::int32_t kWarningSeconds = 60;

}  // namespace

bool Form1::FiresWithinAMinute(DateTime now) const {
  const std::wstring mode = c_.CmbFunction->Text();
  if (mode == Text(TextId::kModeRelativeTime)) {
    // A rest above 0 and up to 1 reaches 0 at the next tick, and 0 fires at it; a rest below 0
    // never fires.
    const double minutes = ReadLeadingNumber(c_.TxtCount->Text());
    return minutes >= 0.0 && minutes <= 1.0;
  }
  const DateTime target = c_.DtTime->Value();
  if (mode != Text(TextId::kModeFixedTime) || target.days != 0)
    return false;  // a date part never fires
  // Seconds until the target second next comes, from 1 to a whole day: a target equal to now
  // is tomorrow's, since the tick that fires comes in a later second.
  constexpr std::int32_t kDay = DateTime::kSecondsPerDay;
  const std::int32_t toGo = (target.secondOfDay - now.secondOfDay - 1 + kDay) % kDay + 1;
  return toGo <= kWarningSeconds;
}

void Form1::WarnOfLastMinute(DateTime now) {
  // The shell shows a balloon only over an icon it has: while the icon is still being offered,
  // as at a logon where the shell is slow, the warning waits for it.
  if (warned_ || c_.TrayRetry->Enabled() || !FiresWithinAMinute(now)) return;
  warned_ = true;
  // A shell that refuses the balloon is not asked again; the count-down goes on either way.
  s_.tray.Shell_NotifyIconW(
      kNimModify, TrayBalloon(module_.TrayIconData, kAppTitle, Text(TextId::kMsgLastMinute)));
  // Focus Assist, a full-screen program or the user's own settings may file the balloon away
  // unseen, just when unsaved work is most at risk, and no answer of Windows' tells for sure.
  // So the window comes up too, one click from Cancel, and stays over every other window; the
  // focus stays where the user types.
  onTop_ = true;
  self_.ShowOnTopWithoutFocus(true);
}

// The user turned to the window: from now on it may be covered like any other.
void Form1::Form_Activate() { EndOnTop(); }

void Form1::EndOnTop() {
  if (!onTop_) return;
  onTop_ = false;
  self_.EndTopmost();
}

void Form1::TakeWarningAway() {
  if (!warned_) return;
  warned_ = false;
  EndOnTop();
  // Windows 11 leaves a banner on screen when its icon goes, but takes it down for an empty
  // balloon; deleting the icon withdraws a toast filed in the notification centre. So the empty
  // balloon first, then the icon goes, and comes back as at start-up.
  s_.tray.Shell_NotifyIconW(kNimModify, TrayBalloon(module_.TrayIconData, L"", L""));
  s_.tray.Shell_NotifyIconW(kNimDelete, module_.TrayIconData);
  AddTrayIcon();
}

}  // namespace duskfall
