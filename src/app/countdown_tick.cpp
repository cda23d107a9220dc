// The count-down's tick: minutes counted down in the box, or the clock compared with the
// picker, and the power-off when the moment has come.
#include "app/main_window.h"
#include "power/power_off.h"
#include "text/decimal_text.h"
#include "text/leading_number.h"
#include "text/texts.h"

namespace duskfall {

namespace {

// A previous tick further back than this means the computer slept or the clock was changed;
// then only the exact second counts.
constexpr std::int64_t kLateTickWindowSeconds = 60;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && (a < 0)); }

}  // namespace

void Form1::TMCounter_Timer() {
  if (ReadLeadingNumber(c_.TxtCount->Text()) > 0.0 &&
      c_.CmbFunction->Text() == Text(TextId::kModeRelativeTime)) {
    double rest = ReadLeadingNumber(c_.TxtCount->Text()) - 1.0;
    // A fraction such as 2.5 steps 1.5, 0.5 and then reaches the end here instead of going
    // below zero, where it would never fire.
    if (rest < 0.0) rest = 0.0;
    c_.TxtCount->SetText(FixedText(rest));
  }
  if (ReadLeadingNumber(c_.TxtCount->Text()) == 0.0 &&
      c_.CmbFunction->Text() == Text(TextId::kModeRelativeTime)) {
    Fire();
    return;
  }
  const DateTime now = s_.system.LocalNow();
  if (c_.CmbFunction->Text() == Text(TextId::kModeFixedTime) && FixedTimeReached(now)) {
    Fire();
    return;
  }
  UpdateTip();
  WarnOfLastMinute(now);
}

bool Form1::FixedTimeReached(DateTime now) {
  const DateTime target = c_.DtTime->Value();
  const std::optional<std::int64_t> previous = previousTickSeconds_;
  previousTickSeconds_ = now.TotalSeconds();
  if (target == DateTime{0, now.secondOfDay}) return true;
  // A late tick: did the target second pass between the previous tick and this one?
  if (!previous || target.days != 0) return false;
  const std::int64_t current = now.TotalSeconds();
  const std::int64_t gap = current - *previous;
  if (gap <= 0 || gap > kLateTickWindowSeconds) return false;
  const std::int64_t previousDay = FloorDiv(*previous, DateTime::kSecondsPerDay);
  std::int64_t passed = previousDay * DateTime::kSecondsPerDay + target.secondOfDay;
  if (passed <= *previous) passed += DateTime::kSecondsPerDay;
  return passed < current;
}

void Form1::Fire() {
  EndOnTop();
  // The moment comes even while the tray item waits for consent; its answer no longer matters.
  consentAsked_.reset();
  self_.Unload();
  PowerOffMachine(s_.power, s_.dialogs, module_.PlatformIsNT);
}

}  // namespace duskfall
