// The last warning before the power-off: one balloon over the tray icon per count-down, as soon
// as the next tick may be the one that fires, that is when a minute or less is left.
#include "text/leading_number.h"
#include "app/main_window.h"
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
  s_.tray.Shell_NotifyIconA(
      kNimModify, TrayBalloon(module_.TrayIconData, kAppTitle, Text(TextId::kMsgLastMinute)));
  // Focus Assist, a full-screen program or a presentation files the balloon away unseen, just
  // when unsaved work is most at risk: then the window itself comes up, without the focus.
  const std::optional<std::uint32_t> state = s_.system.UserNotificationState();
  if (state && *state != kQunsAcceptsNotifications) self_.ShowOnTopWithoutFocus();
}

void Form1::TakeWarningAway() {
  if (!warned_) return;
  warned_ = false;
  // An empty balloon takes a showing one away, but nothing says it withdraws a toast already
  // filed in the notification centre; deleting the icon does. So the icon goes, and comes back
  // as at start-up.
  s_.tray.Shell_NotifyIconA(kNimDelete, module_.TrayIconData);
  AddTrayIcon();
}

}  // namespace duskfall
