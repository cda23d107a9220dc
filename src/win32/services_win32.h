// The system service interfaces on the real Windows API.
#pragma once

#include <windows.h>

#include "platform/ansi_code_page.h"
#include "platform/dialogs.h"
#include "platform/power_api.h"
#include "platform/registry_api.h"
#include "platform/system_api.h"
#include "platform/tray_api.h"

namespace duskfall {

// Posted to the window that StartElevated was given, once the copy has ended: the ElevatedEnd in
// wParam, the exit code in lParam.
inline constexpr UINT kElevatedAnswerMessage = WM_APP + 1;

class AnsiCodePageWin32 : public AnsiCodePage {
 public:
  std::string ToAnsi(std::wstring_view text) const override;
  std::wstring FromAnsi(std::string_view bytes) const override;
};

class DialogsWin32 : public Dialogs {
 public:
  void ShowMessage(const std::wstring& text, std::uint32_t style,
                   const std::wstring& title) override;
};

class RegistryWin32 : public RegistryApi {
 public:
  std::int32_t RegOpenKeyExA(RegKey root, const std::string& subKey, std::uint32_t options,
                             std::uint32_t access, RegKey* result) override;
  std::int32_t RegCreateKeyExA(RegKey root, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, RegKey* result,
                               std::uint32_t* disposition) override;
  std::int32_t RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t RegDeleteValueA(RegKey key, const std::string& valueName) override;
  std::int32_t RegDeleteKeyA(RegKey root, const std::string& subKey) override;
  std::int32_t RegQueryInfoKeyA(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override;
  std::int32_t RegCloseKey(RegKey key) override;
};

class TrayWin32 : public TrayApi {
 public:
  bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconRecord& record) override;
  bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconBalloon& balloon) override;
};

class PowerWin32 : public PowerApi {
 public:
  void SetLastError(std::uint32_t error) override;
  std::uint32_t GetLastError() override;
  SysHandle GetCurrentProcess() override;
  bool OpenProcessToken(SysHandle process, std::uint32_t access, SysHandle* token) override;
  bool LookupPrivilegeValueA(const std::string& systemName, const std::string& name,
                             Luid* luid) override;
  bool AdjustTokenPrivileges(SysHandle token, bool disableAll, const TokenPrivileges& newState,
                             std::uint32_t bufferLength, TokenPrivileges* previousState,
                             std::uint32_t* returnLength) override;
  bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  bool CloseHandle(SysHandle handle) override;
};

class SystemWin32 : public SystemApi {
 public:
  std::uint32_t GetVersion() override;
  DateTime LocalNow() override;
  std::wstring TimeOfDayText(DateTime time) override;
  std::wstring DecimalSeparator() override;
  double TwipsPerPixelX() override;
  bool StartProgram(const std::wstring& path) override;
  bool FileExists(const std::wstring& path) override;
  Elevation ElevationState() override;
  bool StartElevated(std::uintptr_t owner, const std::wstring& parameters) override;
};

}  // namespace duskfall
