#include "win32/services_win32.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <iterator>
#include <cstddef>
#include <cstring>
#include <memory>

#include "win32/controls_win32.h"
#include "win32/dpi.h"
#include "win32/handles.h"

namespace duskfall {

std::string AnsiCodePageWin32::ToAnsi(std::wstring_view text) const {
  if (text.empty()) return std::string();
  const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                      nullptr, nullptr);
  return bytes;
}

std::wstring AnsiCodePageWin32::FromAnsi(std::string_view bytes) const {
  if (bytes.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

void DialogsWin32::ShowMessage(const std::wstring& text, std::uint32_t style,
                               const std::wstring& title) {
  // Owned by the active window of the program, when one is active, so that it is modal to it.
  MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), style);
}

namespace {

HKEY AsKey(RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

std::int32_t RegistryWin32::RegOpenKeyExA(RegKey root, const std::string& subKey,
                                          std::uint32_t options, std::uint32_t access,
                                          RegKey* result) {
  HKEY key = nullptr;
  const LONG status = ::RegOpenKeyExA(AsKey(root), subKey.c_str(), options, access, &key);
  *result = reinterpret_cast<RegKey>(key);
  return status;
}

std::int32_t RegistryWin32::RegCreateKeyExA(RegKey root, const std::string& subKey,
                                            std::uint32_t options, std::uint32_t access,
                                            RegKey* result, std::uint32_t* disposition) {
  HKEY key = nullptr;
  DWORD created = 0;
  const LONG status = ::RegCreateKeyExA(AsKey(root), subKey.c_str(), 0, nullptr, options, access,
                                        nullptr, &key, &created);
  *result = reinterpret_cast<RegKey>(key);
  *disposition = created;
  return status;
}

std::int32_t RegistryWin32::RegQueryValueExA(RegKey key, const std::string& valueName,
                                             std::uint32_t* type, std::uint8_t* data,
                                             std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = *size;
  const LONG status =
      ::RegQueryValueExA(AsKey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
  *type = valueType;
  *size = valueSize;
  return status;
}

std::int32_t RegistryWin32::RegSetValueExA(RegKey key, const std::string& valueName,
                                           std::uint32_t type, const std::uint8_t* data,
                                           std::uint32_t size) {
  return ::RegSetValueExA(AsKey(key), valueName.c_str(), 0, type, data, size);
}

std::int32_t RegistryWin32::RegDeleteValueA(RegKey key, const std::string& valueName) {
  return ::RegDeleteValueA(AsKey(key), valueName.c_str());
}

std::int32_t RegistryWin32::RegDeleteKeyA(RegKey root, const std::string& subKey) {
  return ::RegDeleteKeyA(AsKey(root), subKey.c_str());
}

std::int32_t RegistryWin32::RegQueryInfoKeyA(RegKey key, std::uint32_t* subKeys,
                                             std::uint32_t* values) {
  DWORD subKeyCount = 0;
  DWORD valueCount = 0;
  const LONG status =
      ::RegQueryInfoKeyA(AsKey(key), nullptr, nullptr, nullptr, &subKeyCount, nullptr, nullptr,
                         &valueCount, nullptr, nullptr, nullptr, nullptr);
  *subKeys = subKeyCount;
  *values = valueCount;
  return status;
}

std::int32_t RegistryWin32::RegCloseKey(RegKey key) { return ::RegCloseKey(AsKey(key)); }

namespace {

// The record in the layout of Windows 2000 (NOTIFYICONDATAW_V2_SIZE), which has the 128-character
// tip and the balloon: every Windows the program runs on takes it, and the shell reads no further
// than the size says.
#ifndef _WIN64
static_assert(NOTIFYICONDATAW_V2_SIZE == 936);
static_assert(offsetof(NOTIFYICONDATAW, szTip) == 24);
static_assert(offsetof(NOTIFYICONDATAW, szInfo) == 288);
static_assert(offsetof(NOTIFYICONDATAW, szInfoTitle) == 804);
#endif

// A text field, NUL-ended; the logic cut the text to fit.
template <std::size_t N, std::size_t M>
void PutText(WCHAR (&field)[N], const std::array<wchar_t, M>& text) {
  static_assert(N == M);
  std::copy_n(text.begin(), N, field);
  field[N - 1] = L'\0';
}

// The record's size is that of the x86 layout; on x64 the shell expects the x64 size of it.
void PutRecord(const NotifyIconRecord& record, NOTIFYICONDATAW& data) {
  data.cbSize = sizeof(void*) == 4 ? record.cbSize : NOTIFYICONDATAW_V2_SIZE;
  data.hWnd = reinterpret_cast<HWND>(record.hWnd);
  data.uID = record.uID;
  data.uFlags = record.uFlags;
  data.uCallbackMessage = record.uCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.hIcon);
  PutText(data.szTip, record.szTip);
}

}  // namespace

bool TrayWin32::Shell_NotifyIconW(std::uint32_t message, const NotifyIconRecord& record) {
  NOTIFYICONDATAW data{};
  PutRecord(record, data);
  return ::Shell_NotifyIconW(message, &data) != FALSE;
}

bool TrayWin32::Shell_NotifyIconW(std::uint32_t message, const NotifyIconBalloon& balloon) {
  NOTIFYICONDATAW data{};
  PutRecord(balloon.icon, data);
  PutText(data.szInfo, balloon.szInfo);
  data.uTimeout = balloon.uTimeout;
  PutText(data.szInfoTitle, balloon.szInfoTitle);
  data.dwInfoFlags = balloon.dwInfoFlags;
  return ::Shell_NotifyIconW(message, &data) != FALSE;
}

void PowerWin32::SetLastError(std::uint32_t error) { ::SetLastError(error); }
std::uint32_t PowerWin32::GetLastError() { return ::GetLastError(); }
SysHandle PowerWin32::GetCurrentProcess() {
  return reinterpret_cast<SysHandle>(::GetCurrentProcess());
}

bool PowerWin32::OpenProcessToken(SysHandle process, std::uint32_t access, SysHandle* token) {
  HANDLE handle = nullptr;
  const BOOL ok = ::OpenProcessToken(reinterpret_cast<HANDLE>(process), access, &handle);
  *token = reinterpret_cast<SysHandle>(handle);
  return ok != FALSE;
}

bool PowerWin32::LookupPrivilegeValueA(const std::string& systemName, const std::string& name,
                                       Luid* luid) {
  LUID value{};
  const BOOL ok = ::LookupPrivilegeValueA(systemName.c_str(), name.c_str(), &value);
  luid->lowPart = value.LowPart;
  luid->highPart = value.HighPart;
  return ok != FALSE;
}

bool PowerWin32::AdjustTokenPrivileges(SysHandle token, bool disableAll,
                                       const TokenPrivileges& newState, std::uint32_t bufferLength,
                                       TokenPrivileges* previousState,
                                       std::uint32_t* returnLength) {
  static_assert(sizeof(TOKEN_PRIVILEGES) == sizeof(TokenPrivileges));
  TOKEN_PRIVILEGES state{};
  state.PrivilegeCount = newState.privilegeCount;
  state.Privileges[0].Luid.LowPart = newState.luid.lowPart;
  state.Privileges[0].Luid.HighPart = newState.luid.highPart;
  state.Privileges[0].Attributes = newState.attributes;
  TOKEN_PRIVILEGES previous{};
  DWORD length = 0;
  const BOOL ok = ::AdjustTokenPrivileges(reinterpret_cast<HANDLE>(token), disableAll, &state,
                                          bufferLength, &previous, &length);
  previousState->privilegeCount = previous.PrivilegeCount;
  previousState->luid = {previous.Privileges[0].Luid.LowPart, previous.Privileges[0].Luid.HighPart};
  previousState->attributes = previous.Privileges[0].Attributes;
  *returnLength = length;
  return ok != FALSE;
}

bool PowerWin32::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  return ::ExitWindowsEx(flags, reason) != FALSE;
}

bool PowerWin32::CloseHandle(SysHandle handle) {
  return ::CloseHandle(reinterpret_cast<HANDLE>(handle)) != FALSE;
}

std::uint32_t SystemWin32::GetVersion() {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return ::GetVersion();
#pragma GCC diagnostic pop
}

DateTime SystemWin32::LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return DateTimeFromSystemTime(now);
}

std::wstring SystemWin32::TimeOfDayText(DateTime time) {
  const SYSTEMTIME at = SystemTimeFromDateTime(time);
  // A format may be long: asked for its length first, with the NUL.
  const int length = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &at, nullptr, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &at, nullptr, text.data(), length) == 0) {
    return std::wstring();
  }
  text.resize(static_cast<std::size_t>(length - 1));
  return text;
}

std::wstring SystemWin32::DecimalSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator,
                     static_cast<int>(std::size(separator))) == 0) {
    return std::wstring();
  }
  return separator;
}

double SystemWin32::TwipsPerPixelX() {
  return static_cast<double>(kTwipsPerInch) / static_cast<double>(SystemDpi());
}

bool SystemWin32::StartProgram(const std::wstring& path) {
  if (path.empty()) return false;
  // The path names the program itself: no command-line parsing, no shell verbs.
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool SystemWin32::FileExists(const std::wstring& path) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  constexpr DWORD kNotNormal =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (found.dwFileAttributes & kNotNormal) == 0;
}

Elevation SystemWin32::ElevationState() {
  UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return Elevation::kNoUac;
  TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
  DWORD size = 0;
  // Windows XP, which has no User Account Control, does not know this class: the call fails.
  if (!GetTokenInformation(token.get(), TokenElevationType, &type, sizeof type, &size)) {
    return Elevation::kNoUac;
  }
  return type == TokenElevationTypeLimited ? Elevation::kLimited : Elevation::kFull;
}

namespace {

// How long the copy may take once the prompt is answered: it only writes a few values.
constexpr DWORD kCopyEndMilliseconds = 60000;

struct ElevatedStart {
  HWND owner;
  std::wstring path;
  std::wstring parameters;
};

// On a thread of its own: the prompt waits for the user, and the window's thread must go on
// with its messages meanwhile, or Windows marks the program as not responding.
DWORD WINAPI RunElevatedCopy(void* argument) {
  const std::unique_ptr<ElevatedStart> start(static_cast<ElevatedStart*>(argument));
  // ShellExecuteEx may hand the verb to a shell extension, which needs COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  // Windows shows its own prompt, in front of the window that showed the menu; when the user
  // says no, the call fails with ERROR_CANCELLED, and the program's own message follows.
  execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  execute.hwnd = start->owner;
  execute.lpVerb = L"runas";
  execute.lpFile = start->path.c_str();
  execute.lpParameters = start->parameters.c_str();
  execute.nShow = SW_HIDE;
  ElevatedEnd end = ElevatedEnd::kRefused;
  DWORD exitCode = 0;
  if (ShellExecuteExW(&execute) && execute.hProcess != nullptr) {
    const UniqueHandle process(execute.hProcess);
    const DWORD waited = WaitForSingleObject(process.get(), kCopyEndMilliseconds);
    if (waited == WAIT_TIMEOUT) end = ElevatedEnd::kNoAnswer;
    if (waited == WAIT_OBJECT_0 && GetExitCodeProcess(process.get(), &exitCode)) {
      end = ElevatedEnd::kExited;
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  PostMessageW(start->owner, kElevatedAnswerMessage, static_cast<WPARAM>(end), exitCode);
  return 0;
}

}  // namespace

bool SystemWin32::StartElevated(std::uintptr_t owner, const std::wstring& parameters) {
  auto start = std::make_unique<ElevatedStart>();
  start->owner = reinterpret_cast<HWND>(owner);
  start->parameters = parameters;
  start->path.resize(32768);
  const DWORD length =
      GetModuleFileNameW(nullptr, start->path.data(), static_cast<DWORD>(start->path.size()));
  if (length == 0 || length >= start->path.size()) return false;
  start->path.resize(length);
  const HANDLE thread = CreateThread(nullptr, 0, &RunElevatedCopy, start.get(), 0, nullptr);
  if (thread == nullptr) return false;
  start.release();  // the thread's now
  CloseHandle(thread);
  return true;
}

}  // namespace duskfall
