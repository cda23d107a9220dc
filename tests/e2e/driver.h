// The end-to-end driver's tools: it starts Duskfall.exe under Wine and uses it as a person would,
// finding windows by class and caption, reading what they show, and sending clicks and keys.
// Every wait polls a condition against a deadline.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <sddl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cwchar>
#include <functional>
#include <string>
#include <thread>

#include "text/texts.h"

namespace duskfall::e2e {

using namespace std::chrono_literals;

inline constexpr wchar_t kSettingsKey[] =
    L"SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";
inline constexpr wchar_t kMinutesValue[] = L"{58a871478e856b86b85}";
inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kAppPathsKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Duskfall.exe";
inline constexpr wchar_t kMissing[] = L"<missing>";

// Polls until the condition holds; false when the deadline passes first.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds deadline = 30s) {
  for (const auto end = std::chrono::steady_clock::now() + deadline; !condition();) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

// Polls until the finder returns a window: that window, or null when the deadline passes first.
inline HWND WaitForWindow(const std::function<HWND()>& find) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = find();
    return found != nullptr;
  });
  return found;
}

// Starts a process; its handle, or null.
inline HANDLE StartProcess(std::wstring commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                 &startup, &process);
  CloseHandle(process.hThread);
  return process.hProcess;
}

inline std::wstring Text(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}
using duskfall::Text;  // and a text of the program's, in the language it shows
using enum TextId;

inline void SetText(HWND window, const std::wstring& text) {
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

inline bool OfClass(HWND window, const wchar_t* windowClass) {
  wchar_t name[64] = {};
  return GetClassNameW(window, name, 64) > 0 && std::wcscmp(name, windowClass) == 0;
}

// A direct child of the parent by class and, when given, text.
inline HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (OfClass(child, windowClass) && (text == nullptr || Text(child) == text)) return child;
  }
  return nullptr;
}

// A top-level window of the class that the process owns.
inline HWND TopWindow(DWORD processId, const wchar_t* windowClass, bool visible = true) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && (!visible || IsWindowVisible(window)) && OfClass(window, windowClass))
      return window;
  }
  return nullptr;
}

// Input as a person gives it, at absolute screen positions.
inline void SendMouse(POINT screen, DWORD flags = 0) {
  INPUT input{INPUT_MOUSE, {}};
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &input, sizeof input);
}

inline void Click(HWND control) {  // at its centre
  RECT rect{};
  GetWindowRect(control, &rect);
  const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) SendMouse(centre, flags);
}

inline void PressKey(WORD key) {
  INPUT inputs[2] = {{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}},
                     {INPUT_KEYBOARD, {.ki = {key, 0, KEYEVENTF_KEYUP, 0, 0}}}};
  SendInput(2, inputs, sizeof(INPUT));
}

// The focused window of the thread that owns the window; null once the window is gone.
inline HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  return thread != 0 && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}
inline bool HasFocus(HWND control) { return control != nullptr && FocusOf(control) == control; }

// Brings a window forward and waits until keys go to it.
inline bool Activate(HWND window) {
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; });
}

// Shell_NotifyIcon on the program's icon: NIM_MODIFY of nothing succeeds only while the shell has
// it, NIM_DELETE makes the shell forget it.
inline bool TrayIcon(HWND window, DWORD message) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = 1;
  return Shell_NotifyIconW(message, &data) != FALSE;
}

// The driver has the program's bitness, so HKEY_LOCAL_MACHINE is read and written in the
// registry view the program uses; the other view is where a program of the other bitness looks.
inline constexpr DWORD kOtherView =
    sizeof(void*) == 8 ? RRF_SUBKEY_WOW6432KEY : RRF_SUBKEY_WOW6464KEY;

inline std::wstring ReadString(const wchar_t* key, const wchar_t* name, DWORD view = 0) {
  wchar_t value[512] = {};
  DWORD size = sizeof value;
  const LSTATUS status =
      RegGetValueW(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ | view, nullptr, value, &size);
  return status == ERROR_SUCCESS ? value : kMissing;
}

inline void WriteString(const wchar_t* key, const wchar_t* name, const std::wstring& text) {
  const auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, name, REG_SZ, text.c_str(), size), 0);
}

// Sets a key's access list, as its owner may always do.
inline void SetKeyAccess(const wchar_t* keyPath, const wchar_t* descriptor) {
  HKEY key = nullptr;
  PSECURITY_DESCRIPTOR security = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, WRITE_DAC, &key), ERROR_SUCCESS)
      << keyPath;
  ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, 1, &security, nullptr);
  EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security), ERROR_SUCCESS);
  LocalFree(security);
  RegCloseKey(key);
}

// Everyone may read but nobody write, as for a user without administrator rights.
inline void MakeKeyReadOnly(const wchar_t* key) {
  SetKeyAccess(key, L"D:P(A;;KR;;;WD)(A;;KR;;;BA)(A;;KR;;;SY)");
}
inline void MakeKeyWritable(const wchar_t* key) { SetKeyAccess(key, L"D:P(A;;KA;;;WD)"); }

// Clicks the program's icon in the shell's tray as a person does; the shell relays the clicks to
// the program with the message its icon record names. Wine's tray sits at the right end of the
// taskbar, one small icon with a border of 2 pixels on each side per icon, and a fresh prefix
// shows only ours.
inline void ClickTrayIcon(DWORD down, DWORD up) {
  RECT tray{};
  GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &tray);
  const POINT icon{tray.right - 2 - GetSystemMetrics(SM_CXSMICON) / 2,
                   (tray.top + tray.bottom) / 2};
  for (DWORD flags : {DWORD{0}, down, up}) SendMouse(icon, flags);
}

// A Duskfall.exe started at construction, by default the one next to the driver, and ended when
// the object goes. Unless told it will fail, its start-up must end with its main window.
class Program {
 public:
  explicit Program(const std::wstring& commandLine = L"\"" + Directory() + L"\\Duskfall.exe\"",
                   bool startsUp = true)
      : process_(StartProcess(commandLine)) {
    // Start-up is over once the mode list holds its entries.
    EXPECT_TRUE(!startsUp || WaitUntil([&] {
      window_ = e2e::TopWindow(GetProcessId(process_), L"DuskfallForm1", false);
      return window_ && SendMessageW(Child(window_, L"ComboBox"), CB_GETCOUNT, 0, 0) == 3;
    })) << "the main window did not appear";
  }
  ~Program() {
    if (!detached_) TerminateProcess(process_, 1);
    WaitForExit();
    CloseHandle(process_);
  }

  static std::wstring Directory() {  // the driver's
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    *std::wcsrchr(path, L'\\') = L'\0';
    return path;
  }
  HWND Window() const { return window_; }  // the main window, once start-up is over
  HANDLE Process() const { return process_; }
  // The code the process ended with; STILL_ACTIVE (259) when it does not end in time.
  DWORD WaitForExit() const {
    DWORD exitCode = STILL_ACTIVE;
    WaitForSingleObject(process_, 30000);
    GetExitCodeProcess(process_, &exitCode);
    return exitCode;
  }
  HWND TopWindow(const wchar_t* windowClass, bool visible = true) const {
    return e2e::TopWindow(GetProcessId(process_), windowClass, visible);
  }
  HWND Minutes() const { return Child(window_, L"Edit"); }
  HWND Button(const wchar_t* caption) const { return Child(window_, L"Button", caption); }
  HWND Button(TextId caption) const { return Button(Text(caption).c_str()); }
  bool CountingDown() const { return Button(kCaptionCancel) != nullptr; }
  bool Restored() const { return IsWindowVisible(window_) && !IsIconic(window_); }
  HWND PopupMenu() const { return TopWindow(L"#32768"); }
  void Detach() { detached_ = true; }  // lets it run on once this object goes

  void ChooseMode(int position) const {  // 1 fixed time, 2 relative time
    // As the list itself does: select the entry and tell the window.
    const HWND list = Child(window_, L"ComboBox");
    SendMessageW(list, CB_SETCURSEL, position, 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  }
  // Sends a message whose lParam points to the data, which Wine does not carry across
  // processes (a picker's time, a suggested rectangle): it is put in the program's own memory,
  // and returned as the program left it.
  template <typename Data>
  Data SendWithData(HWND window, UINT message, WPARAM wParam, Data data) const {
    void* remote = VirtualAllocEx(process_, nullptr, sizeof data, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process_, remote, &data, sizeof data, nullptr);
    SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process_, remote, &data, sizeof data, nullptr);
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    return data;
  }
  void Minimise() const {
    PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window_); })) << "minimised, it hides";
  }
  // Waits for a message box, reads its text and presses OK; empty when none came.
  std::wstring AnswerMessageBox() const {
    const HWND box = WaitForWindow([&] { return TopWindow(L"#32770"); });
    if (box == nullptr) return L"";
    const std::wstring text = Text(GetDlgItem(box, 0xFFFF));
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the message box stayed open";
    return text;
  }
  // Opens the tray menu with a right click on the icon and chooses with the keyboard: 0 About,
  // 1 logon, 2 Restore, 3 Exit.
  bool ChooseTrayItem(int position) const {
    ClickTrayIcon(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    const HWND menu = WaitForWindow([&] { return PopupMenu(); });
    if (menu == nullptr) return false;
    // The menu's own loop reads these keys, whichever window has the focus.
    for (int i = 0; i <= position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    return WaitUntil([&] { return PopupMenu() == nullptr; });
  }

 private:
  HANDLE process_;
  HWND window_ = nullptr;
  bool detached_ = false;
};

}  // namespace duskfall::e2e
