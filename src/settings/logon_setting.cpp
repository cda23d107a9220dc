// The tray menu's logon count-down: stores the minutes and registers the program to start at
// logon, or empties both again.
#include <utility>
#include <variant>

#include "app/main_window.h"
#include "settings/elevated_logon_setting.h"
#include "settings/logon_setting.h"
#include "settings/registry_changes.h"
#include "settings/registry_routines.h"
#include "settings/settings_keys.h"
#include "text/minutes_conversion.h"
#include "text/texts.h"

namespace duskfall {

bool ItemAsksForConsent(Elevation elevation) { return elevation == Elevation::kLimited; }

std::wstring QuotedCommandPath(const std::wstring& path) {
  const bool quoted = path.size() >= 2 && path.front() == L'"' && path.back() == L'"';
  if (quoted || path.find(L' ') == std::wstring::npos) return path;
  // Unquoted, C:\Program Files\... would let Windows try C:\Program.exe first.
  return L"\"" + path + L"\"";
}

std::wstring StoredLogonMinutes(Registry registry) {
  std::wstring minutes;
  ReadRegistryString(registry, kMachineRootText, kSettingsKey, kStoredMinutesValue, minutes);
  return minutes;
}

std::wstring AppPathsProgram(Registry registry) {
  RegValue value;
  ReadMachineValue(registry, kAppPathsKey, L"", value);
  // A number there names no program.
  const auto* path = std::get_if<std::wstring>(&value);
  return path != nullptr ? *path : std::wstring();
}

std::int32_t StoreLogonSetting(Registry registry, const std::wstring& minutes) {
  const std::wstring path = AppPathsProgram(registry);
  // An empty Run value would start nothing at logon, though the item said it was set.
  if (path.empty()) return kStatusNoProgram;
  RegistryChanges changes(registry);
  std::int32_t status = changes.MakeKey(kVendorKey);
  if (status == kErrorSuccess) status = changes.MakeKey(kSettingsKey);
  if (status == kErrorSuccess)
    status = changes.WriteText(kSettingsKey, kStoredMinutesValue, minutes);
  // Half a setting would resume at a manual start but never at logon: all of it goes back.
  if (status == kErrorSuccess)
    status = changes.WriteText(kRunKey, kRunValue, QuotedCommandPath(path));
  return changes.Finish(status);
}

std::int32_t ClearLogonSetting(Registry registry) {
  RegistryChanges changes(registry);
  std::int32_t status = changes.WriteText(kSettingsKey, kStoredMinutesValue, L"");
  if (status == kErrorSuccess || status == kErrorFileNotFound) {
    status = changes.WriteText(kRunKey, kRunValue, L"");
  }
  // A setting that could not be cleared stays whole, as it was.
  return changes.Finish(status == kErrorFileNotFound ? kErrorSuccess : status);
}

void Form1::mpopdsk_Click() {
  if (consentAsked_) return;
  const Registry registry{s_.registry, s_.ansi};
  ElevatedRequest request{ElevatedVerb::kClear, L""};
  const bool setting = c_.mpopdsk->Text() == Text(TextId::kMenuSetDuskfall);
  if (setting) {
    const std::optional<double> minutes =
        ParseLocaleNumber(c_.TxtCount->Text(), s_.system.DecimalSeparator());
    if (!(c_.TxtCount->Enabled() && minutes && *minutes > 0.0)) {
      MainBox(c_.CmdSaS[0]->Text() == Text(TextId::kCaptionCancel) ? TextId::kMsgActiveCountDown
                                                                   : TextId::kMsgSelectRelative,
              kMbIconInformation);
      return;
    }
    request = {ElevatedVerb::kSet, c_.TxtCount->Text()};
  }
  const std::int32_t status =
      setting ? StoreLogonSetting(registry, request.minutes) : ClearLogonSetting(registry);
  // A write refused for want of rights, or for want of a key that only an administrator may
  // make, is done again by a copy that runs as administrator when Windows can give it the
  // rights with the user's consent. Its answer comes later, and until then the program holds
  // back what must not come in between.
  const bool refused = status == kErrorAccessDenied || status == kErrorFileNotFound;
  if (refused && ItemAsksForConsent(s_.system.ElevationState()) &&
      s_.system.StartElevated(self_.Handle(), ElevatedParameters(request))) {
    consentAsked_ = request;
    return;
  }
  LogonSettingAnswered(
      request, {ElevatedEnd::kExited, static_cast<std::uint32_t>(ExitCodeForStatus(status))});
}

void Form1::ElevatedCopy_Answered(ElevatedAnswer answer) {
  // Nothing asked: the count-down fired meanwhile, or the message is another program's.
  if (!consentAsked_) return;
  const ElevatedRequest request = *std::exchange(consentAsked_, std::nullopt);
  LogonSettingAnswered(request, answer);
}

void Form1::LogonSettingAnswered(const ElevatedRequest& request, ElevatedAnswer answer) {
  const bool exited = answer.end == ElevatedEnd::kExited;
  const bool done = exited && answer.exitCode == kExitDone;
  TextId failure = answer.end == ElevatedEnd::kNoAnswer ? TextId::kMsgLogonNoAnswer : TextId::kNone;
  if (exited && answer.exitCode == kExitNoProgram) failure = TextId::kMsgLogonNeedsInstall;
  if (request.verb == ElevatedVerb::kSet) {
    if (!done) {
      MainBox(failure != TextId::kNone ? failure : TextId::kMsgLogonNotStored, kMbIconInformation);
      return;
    }
    c_.mpopdsk->SetText(Text(TextId::kMenuCancelDuskfall));
    // The mode or the minutes may have changed while the prompt was open: what starts is the
    // count-down stored, as at the next logon.
    c_.CmbFunction->SetText(Text(TextId::kModeRelativeTime));
    CmbFunction_Click();
    c_.TxtCount->SetText(request.minutes);
    CmdSaS_Click(0);
    return;
  }
  if (done) c_.mpopdsk->SetText(Text(TextId::kMenuSetDuskfall));
  c_.CmdSaS[0]->SetText(Text(TextId::kCaptionCancel));
  CmdSaS_Click(0);
  self_.Show();
  if (!done)
    MainBox(failure != TextId::kNone ? failure : TextId::kMsgLogonNotCleared, kMbIconInformation);
}

}  // namespace duskfall
