#include "e2e/driver.h"

#include <commctrl.h>
#include <sddl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <thread>

namespace duskfall::e2e {

namespace {

bool OfClass(HWND window, const wchar_t* windowClass) {
  wchar_t name[64] = {};
  return GetClassNameW(window, name, 64) > 0 && std::wcscmp(name, windowClass) == 0;
}

void SendMouse(POINT screen, DWORD flags) {
  INPUT input{INPUT_MOUSE, {}};
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &input, sizeof input);
}

// Sets a key's access list; its owner may always do so.
void SetKeyAccess(const wchar_t* keyPath, const wchar_t* descriptor) {
  HKEY key = nullptr;
  PSECURITY_DESCRIPTOR security = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
  ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, 1, &security, nullptr);
  EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security), ERROR_SUCCESS);
  LocalFree(security);
  RegCloseKey(key);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

HANDLE StartProcess(std::wstring commandLine, const wchar_t* directory) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory,
                 &startup, &process);
  CloseHandle(process.hThread);
  return process.hProcess;
}

std::wstring DriverPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

std::wstring Text(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

void SetText(HWND window, const std::wstring& text) {
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (OfClass(child, windowClass) && (text == nullptr || Text(child) == text)) return child;
  }
  return nullptr;
}

HWND TopWindow(DWORD processId, const wchar_t* windowClass, bool visible) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && (!visible || IsWindowVisible(window)) && OfClass(window, windowClass))
      return window;
  }
  return nullptr;
}

void MovePointer(POINT screen) {
  SendMouse(screen, 0);
  WaitUntil([&] {
    POINT now{};
    GetCursorPos(&now);
    return std::abs(now.x - screen.x) <= 1 && std::abs(now.y - screen.y) <= 1;
  });
}

void Click(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  MovePointer(centre);
  SendMouse(centre, MOUSEEVENTF_LEFTDOWN);
  SendMouse(centre, MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD key) {
  INPUT inputs[2] = {{INPUT_KEYBOARD, {}}, {INPUT_KEYBOARD, {}}};
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

bool TrayIconPresent(HWND window) {
  // Modifying nothing succeeds only for an icon the shell has.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = 1;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

std::wstring ReadString(const wchar_t* key, const wchar_t* name) {
  wchar_t value[512] = {};
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, value, &size) == 0
             ? value
             : kMissing;
}

void WriteString(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, name, REG_SZ, text.c_str(),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

void MakeKeyReadOnly(const wchar_t* key) {
  SetKeyAccess(key, L"D:P(A;;KR;;;WD)(A;;KR;;;BA)(A;;KR;;;SY)");
}
void MakeKeyWritable(const wchar_t* key) { SetKeyAccess(key, L"D:P(A;;KA;;;WD)"); }

void ResetProgramRegistry() {
  MakeKeyWritable(kSettingsKey);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\{4924567}");
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, L"Duskfall");
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kAppPathsKey);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Shared Tools Location");
}

Program::Program() {
  process_ = StartProcess(L"\"" + Directory() + L"\\Duskfall.exe\"", Directory().c_str());
  id_ = GetProcessId(process_);
  // Start-up is over once the mode list holds its entries.
  EXPECT_TRUE(WaitUntil([&] {
    window_ = e2e::TopWindow(id_, L"DuskfallForm1", false);
    return window_ && SendMessageW(Child(window_, L"ComboBox"), CB_GETCOUNT, 0, 0) == 3;
  })) << "the main window did not appear";
}

Program::~Program() {
  if (!detached_) TerminateProcess(process_, 1);
  WaitForExit();
  CloseHandle(process_);
}

std::wstring Program::Directory() {
  const std::wstring driver = DriverPath();
  return driver.substr(0, driver.rfind(L'\\'));
}

void Program::ChooseMode(int position) const {
  // As the list itself does: select the entry and tell the window.
  const HWND list = Child(window_, L"ComboBox");
  SendMessageW(list, CB_SETCURSEL, position, 0);
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

void Program::SetPickerTime(const SYSTEMTIME& time) const {
  // The picker reads the time from memory in the program's own process.
  void* remote = VirtualAllocEx(process_, nullptr, sizeof time, MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(process_, remote, &time, sizeof time, nullptr);
  SendMessageW(Child(window_, DATETIMEPICK_CLASSW), DTM_SETSYSTEMTIME, GDT_VALID,
               reinterpret_cast<LPARAM>(remote));
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
}

bool Program::Activate() const {
  SetForegroundWindow(window_);
  return WaitUntil([&] { return GetForegroundWindow() == window_; });
}

void Program::Minimise() const {
  PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window_); })) << "minimised, it hides";
}

std::wstring Program::AnswerMessageBox() const {
  HWND box = nullptr;
  if (!WaitUntil([&] { return (box = TopWindow(L"#32770")) != nullptr; })) return L"";
  const std::wstring text = Text(GetDlgItem(box, 0xFFFF));
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  WaitUntil([&] { return !IsWindow(box); });
  return text;
}

void Program::TrayReport(UINT mouseMessage) const {
  // Posted: a right click opens a menu, and the shell does not wait for it to close.
  PostMessageW(window_, WM_MOUSEMOVE, 0, static_cast<LPARAM>(mouseMessage));
}

bool Program::ChooseTrayItem(int position) const {
  TrayReport(WM_RBUTTONUP);
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = PopupMenu()) != nullptr; })) return false;
  // The menu's own loop reads these keys, whichever window has the focus.
  for (int i = 0; i <= position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  return WaitUntil([&] { return PopupMenu() == nullptr; });
}

}  // namespace duskfall::e2e

// Run as "--sentinel <window>" by the power-off case: notes in the file named by
// DUSKFALL_POWEROFF_MARKER when the window has closed, then waits for the end of the session.
int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--sentinel") == 0) {
    const auto window = reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 10));
    while (IsWindow(window)) Sleep(20);
    CloseHandle(CreateFileW(_wgetenv(L"DUSKFALL_POWEROFF_MARKER"), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, 0, nullptr));
    Sleep(INFINITE);
  }
  // Window rectangles in physical pixels, as the program's own are.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
