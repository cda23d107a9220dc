#include "power/power_off.h"

#include <string>

#include "text/decimal_text.h"
#include "text/texts.h"

namespace duskfall {

namespace {

// The service's boxes carry the application title and no icon.
void Report(Dialogs& dialogs, const wchar_t* step, std::uint32_t error) {
  dialogs.ShowMessage(
      Fill(Text(TextId::kMsgPowerOffError), step, DecimalText(static_cast<std::int32_t>(error))),
      kMbOk, kAppTitle);
}

void ReportIfFailed(PowerApi& api, Dialogs& dialogs, const wchar_t* step) {
  const std::uint32_t error = api.GetLastError();
  if (error != 0) Report(dialogs, step, error);
}

}  // namespace

std::int32_t PlatformIsNTFromVersion(std::uint32_t version) {
  return (version & 0x80000000u) == 0 ? 1 : 0;
}

void EnableShutdownPrivilege(PowerApi& api, Dialogs& dialogs) {
  // The last-error value is reset before each step, so a report names the step that failed.
  api.SetLastError(0);
  const SysHandle process = api.GetCurrentProcess();
  ReportIfFailed(api, dialogs, L"GetCurrentProcess");

  SysHandle token = 0;
  api.SetLastError(0);
  api.OpenProcessToken(process, kTokenAdjustPrivileges | kTokenQuery, &token);
  ReportIfFailed(api, dialogs, L"OpenProcessToken");

  Luid luid;
  api.SetLastError(0);
  api.LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid);
  ReportIfFailed(api, dialogs, L"LookupPrivilegeValue");

  TokenPrivileges privileges;
  privileges.privilegeCount = 1;
  privileges.luid = luid;
  privileges.attributes = kSePrivilegeEnabled;
  TokenPrivileges previous;
  std::uint32_t returnLength = 0;
  api.SetLastError(0);
  // Success with ERROR_NOT_ALL_ASSIGNED (1300) when the account lacks the privilege: only the
  // last-error value tells.
  api.AdjustTokenPrivileges(token, false, privileges, sizeof privileges, &previous, &returnLength);
  ReportIfFailed(api, dialogs, L"AdjustTokenPrivileges");

  if (token != 0) api.CloseHandle(token);
}

void PowerOffMachine(PowerApi& api, Dialogs& dialogs, std::int32_t platformIsNT) {
  if (platformIsNT == 1) EnableShutdownPrivilege(api, dialogs);
  api.SetLastError(0);
  if (!api.ExitWindowsEx(kEwxPowerOff | kEwxForce, 0xFFFFFFFFu)) {
    // The window is gone already; without this box a refused request would go unnoticed.
    Report(dialogs, L"ExitWindowsEx", api.GetLastError());
  }
}

}  // namespace duskfall
