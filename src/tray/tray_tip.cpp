// The tray icon's tip: the title, and while a count-down runs when the power-off comes, so that
// pointing at the icon answers without opening the window.
#include "tray/tray_tip.h"

#include <algorithm>
#include <cmath>

#include "app/main_window.h"
#include "text/decimal_text.h"
#include "text/leading_number.h"
#include "text/texts.h"
#include "tray/tray_icon.h"

namespace duskfall {

NotifyIconRecord TrayTip(const NotifyIconRecord& icon, std::wstring_view tip) {
  NotifyIconRecord record = icon;
  record.uFlags = kNifTip;
  PutTip(record, tip);
  return record;
}

std::wstring Form1::CountDownTip() const {
  if (!c_.TMCounter->Enabled()) return kMainTitle;
  const std::wstring mode = c_.CmbFunction->Text();
  // The moment as the picker shows it.
  if (mode == Text(TextId::kModeFixedTime)) {
    return Fill(Text(TextId::kTipPowerOffAt), s_.system.TimeOfDayText(c_.DtTime->Value()));
  }
  const double minutes = ReadLeadingNumber(c_.TxtCount->Text());
  // A rest below 0, or beyond every number, never fires: there is no moment to tell.
  if (mode != Text(TextId::kModeRelativeTime) || minutes < 0.0 || !std::isfinite(minutes))
    return kMainTitle;
  // The ticks still to come, a minute each: a fraction takes a whole tick, and 0 fires at the
  // next one.
  const double ticks = std::max(1.0, std::ceil(minutes));
  return Fill(Text(MinutesTip(ticks)), FixedText(ticks));
}

void Form1::UpdateTip() {
  const std::wstring tip = CountDownTip();
  // Asked once per change: a shell that refused a tip is not asked for it again. One that had no
  // icon to show it on gets it with the icon (IconTaken).
  if (tip == tipAsked_) return;
  tipAsked_ = tip;
  s_.tray.Shell_NotifyIconW(kNimModify, TrayTip(module_.TrayIconData, tip));
}

}  // namespace duskfall
