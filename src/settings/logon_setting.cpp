// The tray menu's logon count-down: stores the minutes and registers the program to start at
// logon, or empties both again.
#include "app/main_window.h"
#include "app/minutes_conversion.h"
#include "app/texts.h"
#include "settings/logon_setting.h"
#include "settings/registry_routines.h"
#include "settings/settings_keys.h"

namespace duskfall {

std::wstring QuotedCommandPath(const std::wstring& path) {
  const bool quoted = path.size() >= 2 && path.front() == L'"' && path.back() == L'"';
  if (quoted || path.find(L' ') == std::wstring::npos) return path;
  // Unquoted, C:\Program Files\... would let Windows try C:\Program.exe first.
  return L"\"" + path + L"\"";
}

void Form1::mpopdsk_Click() {
  const Registry registry{s_.registry, s_.ansi};
  if (c_.mpopdsk->Text() == kMenuSetDuskfall) {
    std::wstring path;
    ReadRegistryString(registry, kMachineRootText, kAppPathsKey, L"", path);
    const std::optional<double> minutes =
        ParseLocaleNumber(c_.TxtCount->Text(), s_.system.DecimalSeparator());
    if (!(c_.TxtCount->Enabled() && minutes && *minutes > 0.0)) {
      MainBox(c_.CmdSaS[0]->Text() == kCaptionCancel ? kMsgActiveCountDown : kMsgSelectRelative,
              kMbIconInformation);
      return;
    }
    std::wstring previousMinutes;
    ReadRegistryString(registry, kMachineRootText, kSettingsKey, kStoredMinutesValue,
                       previousMinutes);
    const bool minutesStored = WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue,
                                                 c_.TxtCount->Text(), kRegSz) == kErrorSuccess;
    const bool runStored =
        minutesStored && WriteMachineValue(registry, kRunKey, kRunValue, QuotedCommandPath(path),
                                           kRegSz) == kErrorSuccess;
    if (!runStored) {
      // Half a setting would resume at a manual start but never at logon: take it back.
      if (minutesStored) {
        WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue, previousMinutes, kRegSz);
      }
      MainBox(kMsgLogonNotStored, kMbIconInformation);
      return;
    }
    c_.mpopdsk->SetText(kMenuCancelDuskfall);
    CmdSaS_Click(0);
    return;
  }

  // A settings key that does not exist holds no setting: nothing to empty there.
  const std::int32_t minutesStatus =
      WriteMachineValue(registry, kSettingsKey, kStoredMinutesValue, L"", kRegSz);
  const std::int32_t runStatus = WriteMachineValue(registry, kRunKey, kRunValue, L"", kRegSz);
  const bool cleared = (minutesStatus == kErrorSuccess || minutesStatus == kErrorFileNotFound) &&
                       (runStatus == kErrorSuccess || runStatus == kErrorFileNotFound);
  if (cleared) c_.mpopdsk->SetText(kMenuSetDuskfall);
  c_.CmdSaS[0]->SetText(kCaptionCancel);
  CmdSaS_Click(0);
  self_.Show();
  if (!cleared) MainBox(kMsgLogonNotCleared, kMbIconInformation);
}

}  // namespace duskfall
