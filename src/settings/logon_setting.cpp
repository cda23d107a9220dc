// The tray menu's logon count-down: stores the minutes and registers the program to start at
// logon, or empties both again.
#include "app/main_window.h"
#include "text/minutes_conversion.h"
#include "text/texts.h"
#include "settings/elevated_logon_setting.h"
#include "settings/logon_setting.h"
#include "settings/registry_routines.h"
#include "settings/settings_keys.h"

namespace duskfall {

namespace {

// A write refused for want of rights, where Windows can give them with the user's consent, is
// done again by a copy of the program that runs as administrator.
bool WrittenWithConsent(SystemApi& system, std::int32_t status, const ElevatedRequest& request) {
  if (status == kErrorSuccess) return true;
  if (status != kErrorAccessDenied || !ItemAsksForConsent(system.ElevationState())) return false;
  return system.RunElevated(ElevatedParameters(request)) == std::uint32_t{kExitDone};
}

}  // namespace

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
  std::wstring path;
  ReadRegistryString(registry, kMachineRootText, kAppPathsKey, L"", path);
  return path;
}

std::int32_t StoreLogonSetting(Registry registry, const std::wstring& minutes) {
  const std::wstring path = AppPathsProgram(registry);
  const std::wstring previousMinutes = StoredLogonMinutes(registry);
  const std::int32_t minutesStatus =
      WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue, minutes, kRegSz);
  if (minutesStatus != kErrorSuccess) return minutesStatus;
  const std::int32_t runStatus =
      WriteMachineValue(registry, kRunKey, kRunValue, QuotedCommandPath(path), kRegSz);
  if (runStatus != kErrorSuccess) {
    // Half a setting would resume at a manual start but never at logon: take it back.
    WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue, previousMinutes, kRegSz);
  }
  return runStatus;
}

std::int32_t ClearLogonSetting(Registry registry) {
  const std::wstring previousMinutes = StoredLogonMinutes(registry);
  const std::int32_t minutesStatus =
      WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue, L"", kRegSz);
  if (minutesStatus != kErrorSuccess && minutesStatus != kErrorFileNotFound) return minutesStatus;
  const std::int32_t runStatus = WriteMachineValue(registry, kRunKey, kRunValue, L"", kRegSz);
  if (runStatus == kErrorSuccess || runStatus == kErrorFileNotFound) return kErrorSuccess;
  // A setting that could not be cleared stays whole, as it was.
  if (minutesStatus == kErrorSuccess) {
    WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue, previousMinutes, kRegSz);
  }
  return runStatus;
}

void Form1::mpopdsk_Click() {
  const Registry registry{s_.registry, s_.ansi};
  if (c_.mpopdsk->Text() == Text(TextId::kMenuSetDuskfall)) {
    const std::optional<double> minutes =
        ParseLocaleNumber(c_.TxtCount->Text(), s_.system.DecimalSeparator());
    if (!(c_.TxtCount->Enabled() && minutes && *minutes > 0.0)) {
      MainBox(c_.CmdSaS[0]->Text() == Text(TextId::kCaptionCancel) ? TextId::kMsgActiveCountDown
                                                                   : TextId::kMsgSelectRelative,
              kMbIconInformation);
      return;
    }
    const std::int32_t status = StoreLogonSetting(registry, c_.TxtCount->Text());
    if (!WrittenWithConsent(s_.system, status, {ElevatedVerb::kSet, c_.TxtCount->Text()})) {
      MainBox(TextId::kMsgLogonNotStored, kMbIconInformation);
      return;
    }
    c_.mpopdsk->SetText(Text(TextId::kMenuCancelDuskfall));
    CmdSaS_Click(0);
    return;
  }

  const bool cleared =
      WrittenWithConsent(s_.system, ClearLogonSetting(registry), {ElevatedVerb::kClear, L""});
  if (cleared) c_.mpopdsk->SetText(Text(TextId::kMenuSetDuskfall));
  c_.CmdSaS[0]->SetText(Text(TextId::kCaptionCancel));
  CmdSaS_Click(0);
  self_.Show();
  if (!cleared) MainBox(TextId::kMsgLogonNotCleared, kMbIconInformation);
}

}  // namespace duskfall
