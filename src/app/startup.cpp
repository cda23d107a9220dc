// Start-up and exit of the main window, in their fixed order.
#include "app/design.h"
#include "app/main_window.h"
#include "power/power_off.h"
#include "settings/logon_setting.h"
#include "settings/registry_routines.h"
#include "settings/settings_keys.h"
#include "text/texts.h"
#include "tray/tray_icon.h"

namespace duskfall {

Form1::Form1(FormWindow& self, FormWindow& about, TrayMenuHost& menuHost,
             const Form1Controls& controls, const Services& services, ProgramModule& module)
    : self_(self),
      about_(about),
      menuHost_(menuHost),
      c_(controls),
      s_(services),
      module_(module),
      tipAsked_(kMainTitle) {}

void Form1::Form_Initialize() {
  module_.PlatformIsNT = PlatformIsNTFromVersion(s_.system.GetVersion());
}

void Form1::Form_Load() {
  const Registry registry{s_.registry, s_.ansi};
  CreateRegistryKey(registry, kSettingsKey, kMachineRoot);

  self_.Show();
  self_.Refresh();

  FillTrayIconData(module_.TrayIconData, self_.Handle(), self_.IconHandle());
  AddTrayIcon();

  FillModeList();

  const std::wstring storedMinutes = StoredLogonMinutes(registry);
  if (storedMinutes.empty()) return;
  // A logon count-down is stored: resume it behind the tray icon.
  self_.Hide();
  c_.mpopdsk->SetText(Text(TextId::kMenuCancelDuskfall));
  c_.CmbFunction->SetText(Text(TextId::kModeRelativeTime));
  CmbFunction_Click();
  c_.TxtCount->SetText(storedMinutes);
  CmdSaS_Click(0);
}

void Form1::FillModeList() {
  c_.CmbFunction->Clear();
  c_.CmbFunction->AddItem(kModeNone);
  c_.CmbFunction->AddItem(Text(TextId::kModeFixedTime));
  c_.CmbFunction->AddItem(Text(TextId::kModeRelativeTime));
}

void Form1::Form_Unload(bool& cancel) {
  // Not while the tray item waits for its answer: only the count-down's moment ends that wait.
  if (consentAsked_) {
    cancel = true;
    return;
  }
  // Otherwise the unload always proceeds, and nothing is written on the way out.
  s_.tray.Shell_NotifyIconW(kNimDelete, module_.TrayIconData);
}

}  // namespace duskfall
