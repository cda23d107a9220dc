// In-memory system services: message boxes, code page, tray, power-off calls, clock, locale
// and program launch. Each records what it was asked and can be told to fail.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/ansi_code_page.h"
#include "platform/dialogs.h"
#include "platform/power_api.h"
#include "platform/system_api.h"
#include "platform/tray_api.h"

namespace duskfall::testing {

struct ShownBox {
  std::wstring text;
  std::uint32_t style;
  std::wstring title;
};

class FakeDialogs : public Dialogs {
 public:
  void ShowMessage(const std::wstring& text, std::uint32_t style,
                   const std::wstring& title) override {
    boxes.push_back({text, style, title});
    if (log != nullptr) log->Add("MessageBox " + std::string(text.begin(), text.end()));
  }
  std::vector<ShownBox> boxes;
  CallLog* log = nullptr;
};

// Latin-1: each character below 256 is one byte; others become '?', as a single-byte code page
// does with characters it lacks.
class FakeAnsiCodePage : public AnsiCodePage {
 public:
  std::string ToAnsi(std::wstring_view text) const override {
    std::string bytes;
    for (wchar_t ch : text) bytes += ch < 256 ? static_cast<char>(ch) : '?';
    return bytes;
  }
  std::wstring FromAnsi(std::string_view bytes) const override {
    std::wstring text;
    for (char ch : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(ch));
    return text;
  }
};

struct TrayCall {
  std::uint32_t message;
  NotifyIconRecord record;
};

class FakeTray : public TrayApi {
 public:
  bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) override {
    calls.push_back({message, record});
    if (log != nullptr) log->Add("Shell_NotifyIconA " + std::to_string(message));
    if (message == kNimAdd) present = true;
    if (message == kNimDelete) present = false;
    return true;
  }
  std::vector<TrayCall> calls;
  bool present = false;
  CallLog* log = nullptr;
};

// Records each call by name; a call named in failWith sets that last-error value and fails.
class FakePower : public PowerApi {
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

  // Names of the calls made, in order (SetLastError and GetLastError included).
  std::vector<std::string> calls;
  std::function<void(const std::string&)> onCall;  // e.g. to log into a shared CallLog
  // Call name -> last-error value it leaves behind, and whether it then reports failure.
  struct Failure {
    std::uint32_t error;
    bool returnsFailure;
  };
  std::vector<std::pair<std::string, Failure>> failWith;

  std::uint32_t openAccess = 0;
  std::string lookupSystemName = "<unset>";
  std::string lookupName;
  TokenPrivileges adjusted;
  std::uint32_t adjustedLength = 0;
  bool disableAll = true;
  SysHandle adjustedToken = 0;
  std::uint32_t exitFlags = 0;
  std::uint32_t exitReason = 0;
  std::vector<SysHandle> closed;

 private:
  bool Step(const std::string& name);
  std::uint32_t lastError_ = 0;
};

class FakeSystem : public SystemApi {
 public:
  std::uint32_t GetVersion() override { return version; }
  DateTime LocalNow() override { return now; }
  std::wstring DecimalSeparator() override { return decimalSeparator; }
  double TwipsPerPixelX() override { return twipsPerPixel; }
  bool StartProgram(const std::wstring& path) override {
    started.push_back(path);
    return startable.count(path) != 0;
  }
  bool FileExists(const std::wstring& path) override { return files.count(path) != 0; }

  std::uint32_t version = 0x23F00206;  // an NT-family value: bit 31 clear
  DateTime now;
  std::wstring decimalSeparator = L".";
  double twipsPerPixel = 15.0;
  std::vector<std::wstring> started;
  std::set<std::wstring> startable;
  std::set<std::wstring> files;
};

}  // namespace duskfall::testing
