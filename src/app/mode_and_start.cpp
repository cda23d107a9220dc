// Choosing a mode, starting and cancelling a count-down. The count-down's state is the
// controls': the caption of CmdSaS(0), the timer's enabled flag and interval, the mode text.
#include "app/design.h"
#include "app/main_window.h"
#include "text/texts.h"

namespace duskfall {

void Form1::CmbFunction_Click() {
  const std::wstring mode = c_.CmbFunction->Text();
  if (mode == Text(TextId::kModeFixedTime)) {
    c_.DtTime->SetEnabled(true);
    c_.TxtCount->SetEnabled(false);
    c_.LblSaS[2]->SetEnabled(true);
    c_.LblSaS[1]->SetEnabled(false);
    c_.TMCounter->SetInterval(kFixedTimeInterval);
  } else if (mode == Text(TextId::kModeRelativeTime)) {
    c_.DtTime->SetEnabled(false);
    c_.TxtCount->SetEnabled(true);
    c_.LblSaS[2]->SetEnabled(false);
    c_.LblSaS[1]->SetEnabled(true);
    c_.TMCounter->SetInterval(kRelativeTimeInterval);
  } else {
    // The blank entry or no entry: no input, and the interval stays as it was.
    c_.DtTime->SetEnabled(false);
    c_.TxtCount->SetEnabled(false);
    c_.LblSaS[2]->SetEnabled(false);
    c_.LblSaS[1]->SetEnabled(false);
  }
}

void Form1::CmdSaS_Click(std::int16_t index) {
  if (consentAsked_) return;
  if (index == 1) {
    self_.Unload();
    return;
  }
  if (index != 0) return;
  if (c_.CmdSaS[0]->Text() == Text(TextId::kCaptionSet)) {
    StartPath();
  } else {
    CancelPath();
  }
}

void Form1::StartPath() {
  const std::wstring mode = c_.CmbFunction->Text();
  if (mode == kModeNone || mode.empty()) {
    MainBox(TextId::kMsgSelectFunction, kMbIconInformation);
    return;
  }
  if (mode == Text(TextId::kModeRelativeTime) && c_.TxtCount->Text().empty()) {
    MainBox(TextId::kMsgEnterTime, kMbIconInformation);
    return;
  }
  c_.TMCounter->SetEnabled(true);
  if (!c_.TMCounter->Enabled()) {
    // Windows gave no timer: a count-down that would never fire must not look armed.
    MainBox(TextId::kMsgNoTimer, kMbIconHand);
    return;
  }
  c_.DtTime->SetEnabled(false);
  c_.TxtCount->SetEnabled(false);
  c_.CmbFunction->SetEnabled(false);
  c_.CmdSaS[0]->SetText(Text(TextId::kCaptionCancel));
  const DateTime now = s_.system.LocalNow();
  previousTickSeconds_ = now.TotalSeconds();
  UpdateTip();
  // A count-down that starts in its last minute warns at once.
  WarnOfLastMinute(now);
}

void Form1::CancelPath() {
  c_.CmbFunction->SetEnabled(true);
  c_.TMCounter->SetEnabled(false);
  c_.CmdSaS[0]->SetText(Text(TextId::kCaptionSet));
  const std::wstring mode = c_.CmbFunction->Text();
  if (mode == Text(TextId::kModeFixedTime)) {
    c_.DtTime->SetEnabled(true);
  } else if (mode == Text(TextId::kModeRelativeTime)) {
    c_.TxtCount->SetEnabled(true);
  }
  previousTickSeconds_.reset();
  TakeWarningAway();
  UpdateTip();
}

void Form1::MainBox(TextId text, std::uint32_t icon) {
  // An OK button only (MB_OK is 0) and the icon.
  s_.dialogs.ShowMessage(Text(text), icon, kMainTitle);
}

}  // namespace duskfall
