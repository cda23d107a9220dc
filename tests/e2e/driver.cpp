#include "e2e/driver.h"

#include <commctrl.h>
#include <shellapi.h>
#include <sddl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "e2e/png_writer.h"

namespace duskfall::e2e {

namespace {

constexpr UINT kMessageTimeoutMs = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                      &result);
  return static_cast<LRESULT>(result);
}

void SendInputs(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Memory in the other process, for messages whose buffers the system does not carry across.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, std::size_t size) : size_(size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(owner, &processId);
    process_ =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    memory_ = VirtualAllocEx(process_, nullptr, size_, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  void* Address() const { return memory_; }
  void Write(const void* data) { WriteProcessMemory(process_, memory_, data, size_, nullptr); }
  void Read(void* data) const { ReadProcessMemory(process_, memory_, data, size_, nullptr); }

 private:
  std::size_t size_;
  HANDLE process_ = nullptr;
  void* memory_ = nullptr;
};

struct WindowSearch {
  DWORD processId;
  const wchar_t* windowClass;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == search->processId && ClassName(window) == search->windowClass) {
    search->found.push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
  return TRUE;
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

std::wstring Text(HWND window) {
  const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND FindChild(HWND parent, const wchar_t* windowClass, const wchar_t* text) {
  for (HWND child : Children(parent)) {
    if (GetParent(child) != parent || ClassName(child) != windowClass) continue;
    if (text == nullptr || Text(child) == text) return child;
  }
  return nullptr;
}

namespace {

// A mouse event at an absolute screen position, so that it never acts where the pointer was.
INPUT MouseAt(POINT screen, DWORD flags) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = std::max(1, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  const int height = std::max(1, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x - left, 65535, width);
  input.mi.dy = MulDiv(screen.y - top, 65535, height);
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

}  // namespace

void MovePointer(POINT screen) {
  SendInputs({MouseAt(screen, 0)});
  WaitUntil([&] {
    POINT now{};
    GetCursorPos(&now);
    return std::abs(now.x - screen.x) <= 1 && std::abs(now.y - screen.y) <= 1;
  });
}

void ClickAt(POINT screen) {
  MovePointer(screen);
  SendInputs({MouseAt(screen, MOUSEEVENTF_LEFTDOWN), MouseAt(screen, MOUSEEVENTF_LEFTUP)});
}

void Click(HWND control) {
  const RECT rect = ScreenRect(control);
  ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void PressKey(WORD key, bool shift) {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD vk, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, false);
  add(key, false);
  add(key, true);
  if (shift) add(VK_SHIFT, true);
  SendInputs(inputs);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

Program::Program() {
  const std::wstring path = Directory() + L"\\Duskfall.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Directory().c_str(), &startup, &process_)) {
    process_ = {};
  }
}

Program::~Program() {
  if (process_.hProcess == nullptr) return;
  if (Running() && !detached_) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::wstring Program::Directory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring directory = path;
  return directory.substr(0, directory.find_last_of(L"\\/"));
}

bool Program::Running() const {
  return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(std::chrono::milliseconds deadline) const {
  return process_.hProcess != nullptr &&
         WaitForSingleObject(process_.hProcess, static_cast<DWORD>(deadline.count())) ==
             WAIT_OBJECT_0;
}

std::vector<HWND> Program::Windows(const wchar_t* windowClass) const {
  WindowSearch search{process_.dwProcessId, windowClass, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Program::MainWindow() const {
  for (HWND window : Windows(L"DuskfallForm1")) {
    if (Text(window) == L"Qorvelix Duskfall") return window;
  }
  return nullptr;
}

HWND Program::WaitForMainWindow() const {
  HWND window = nullptr;
  WaitUntil([&] {
    window = MainWindow();
    // Start-up is over once the mode list holds its entries.
    return window != nullptr && Send(FindChild(window, L"ComboBox"), CB_GETCOUNT) == 3;
  });
  return window;
}

HWND Program::WaitForMessageBox(std::chrono::milliseconds deadline) const {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows(L"#32770")) {
          if (IsWindowVisible(window)) box = window;
        }
        return box != nullptr;
      },
      deadline);
  return box;
}

MessageBoxView Program::ReadMessageBox(HWND box) const {
  MessageBoxView view;
  view.title = Text(box);
  view.text = Text(GetDlgItem(box, 0xFFFF));
  for (HWND child : Children(box)) {
    if (ClassName(child) == L"Static" && (GetWindowLongW(child, GWL_STYLE) & SS_ICON) != 0 &&
        IsWindowVisible(child) && Send(child, STM_GETICON) != 0) {
      view.icon = true;
    }
  }
  return view;
}

void Program::CloseMessageBox(HWND box) const {
  PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
  WaitUntil([&] { return !IsWindow(box); });
}

std::optional<MessageBoxView> Program::AnswerMessageBox() const {
  const HWND box = WaitForMessageBox();
  if (box == nullptr) return std::nullopt;
  const MessageBoxView view = ReadMessageBox(box);
  CloseMessageBox(box);
  return view;
}

MainWindowView::MainWindowView(HWND window) : window_(window) {}
HWND MainWindowView::ModeList() const { return FindChild(window_, L"ComboBox"); }
HWND MainWindowView::Picker() const { return FindChild(window_, DATETIMEPICK_CLASSW); }
HWND MainWindowView::Minutes() const { return FindChild(window_, L"Edit"); }

HWND MainWindowView::SetButton() const {
  HWND button = FindChild(window_, L"Button", L"Set");
  return button != nullptr ? button : FindChild(window_, L"Button", L"Cancel");
}

HWND MainWindowView::ExitButton() const { return FindChild(window_, L"Button", L"Exit"); }
HWND MainWindowView::Label(const wchar_t* text) const {
  return FindChild(window_, L"Static", text);
}

HWND MainWindowView::Caution() const {
  for (HWND child : Children(window_)) {
    if (ClassName(child) == L"Static" && Text(child).rfind(L"Caution:", 0) == 0) return child;
  }
  return nullptr;
}

std::vector<std::wstring> MainWindowView::ModeEntries() const {
  std::vector<std::wstring> entries;
  const HWND list = ModeList();
  const auto count = static_cast<int>(Send(list, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    wchar_t entry[256] = {};
    Send(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
    entries.emplace_back(entry);
  }
  return entries;
}

std::wstring MainWindowView::ModeText() const {
  const auto selected = Send(ModeList(), CB_GETCURSEL);
  if (selected < 0) return L"";
  return ModeEntries().at(static_cast<std::size_t>(selected));
}

void MainWindowView::ChooseMode(int position) const {
  // Choosing in the list: select the entry and tell the window, as the list itself does.
  const HWND list = ModeList();
  Send(list, CB_SETCURSEL, position);
  Send(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
       reinterpret_cast<LPARAM>(list));
}

SYSTEMTIME MainWindowView::PickerTime() const {
  RemoteBuffer buffer(window_, sizeof(SYSTEMTIME));
  Send(Picker(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(buffer.Address()));
  SYSTEMTIME time{};
  buffer.Read(&time);
  return time;
}

void MainWindowView::SetPickerTime(const SYSTEMTIME& time) const {
  RemoteBuffer buffer(window_, sizeof(SYSTEMTIME));
  buffer.Write(&time);
  Send(Picker(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(buffer.Address()));
}

void MainWindowView::SetMinutes(const std::wstring& text) const {
  Send(Minutes(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindowView::PressSet() const { PostMessageW(SetButton(), BM_CLICK, 0, 0); }

namespace {

constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";
constexpr wchar_t kMinutesValue[] = L"{58a871478e856b86b85}";
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kAppPathsKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Duskfall.exe";
constexpr wchar_t kMsInfoKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr wchar_t kToolsLocationKey[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";

}  // namespace

namespace {

// Sets a key's access list from a security descriptor string; the owner may always do so.
void SetKeyAccess(const wchar_t* keyPath, const wchar_t* descriptor) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
  PSECURITY_DESCRIPTOR security = nullptr;
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &security,
                                                           nullptr)) {
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
    LocalFree(security);
  }
  RegCloseKey(key);
}

}  // namespace

void MakeKeyReadOnly(const wchar_t* keyPath) {
  SetKeyAccess(keyPath, L"D:P(A;;KR;;;WD)(A;;KR;;;BA)(A;;KR;;;SY)");
}

void MakeKeyWritable(const wchar_t* keyPath) { SetKeyAccess(keyPath, L"D:P(A;;KA;;;WD)"); }

void ResetProgramRegistry() {
  MakeKeyWritable(kSettingsKey);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\{4924567}");
  HKEY run = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueW(run, L"Duskfall");
    RegCloseKey(run);
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kAppPathsKey);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMsInfoKey);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kToolsLocationKey);
}

namespace {

void WriteString(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text) {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                  nullptr);
  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

std::wstring ReadString(const wchar_t* keyPath, const wchar_t* name) {
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, keyPath, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return L"<missing>";
  }
  return value;
}

BOOL CALLBACK EndOwner(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<std::pair<const wchar_t*, bool>*>(lParam);
  if (ClassName(window) != search->first) return TRUE;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
  if (process != nullptr) {
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    search->second = true;
  }
  return TRUE;
}

}  // namespace

void SetAppPath(const std::wstring& path) { WriteString(kAppPathsKey, L"", path); }
std::wstring RunValue() { return ReadString(kRunKey, L"Duskfall"); }
void SetSystemInfoPath(const std::wstring& path) { WriteString(kMsInfoKey, L"PATH", path); }
void SetSystemInfoFolder(const std::wstring& folder) {
  WriteString(kToolsLocationKey, L"MSINFO", folder);
}

bool WindowFromImage(const wchar_t* windowClass, const std::wstring& imagePath) {
  struct Search {
    const wchar_t* windowClass;
    std::wstring imagePath;
    bool found;
  } search{windowClass, imagePath, false};
  EnumWindows(
      [](HWND window, LPARAM lParam) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(lParam);
        if (ClassName(window) != wanted->windowClass) return TRUE;
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
        if (process == nullptr) return TRUE;
        wchar_t image[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, image, &size) &&
            lstrcmpiW(image, wanted->imagePath.c_str()) == 0) {
          wanted->found = true;
        }
        CloseHandle(process);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool EndProgramsWithWindow(const wchar_t* windowClass) {
  std::pair<const wchar_t*, bool> search{windowClass, false};
  EnumWindows(EndOwner, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

void StoreLogonMinutes(const std::wstring& minutes) {
  WriteString(kSettingsKey, kMinutesValue, minutes);
}

void SendTrayReport(HWND mainWindow, UINT mouseMessage) {
  // Posted: a right click opens a menu, and the shell does not wait for it to close.
  PostMessageW(mainWindow, WM_MOUSEMOVE, 0, static_cast<LPARAM>(mouseMessage));
}

HWND OpenPopupMenu(const Program& program) {
  for (HWND menu : program.Windows(L"#32768")) {
    if (IsWindowVisible(menu)) return menu;
  }
  return nullptr;
}

bool ChooseTrayMenuItem(const Program& program, HWND mainWindow, int position) {
  SendTrayReport(mainWindow, WM_RBUTTONUP);
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = OpenPopupMenu(program)) != nullptr; })) return false;
  // The menu's own loop reads these keys, whichever window has the focus.
  for (int i = 0; i <= position; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  return WaitUntil([&] { return OpenPopupMenu(program) == nullptr; });
}

std::wstring StoredLogonMinutes() { return ReadString(kSettingsKey, kMinutesValue); }

void MakeSettingsKeyReadOnly() { MakeKeyReadOnly(kSettingsKey); }

bool SettingsKeyWritable() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

bool TrayIconPresent(HWND mainWindow) {
  // Modifying nothing succeeds only for an icon the shell has.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = mainWindow;
  data.uID = 1;
  data.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool TaskbarShowsButtonFor(HWND window) {
  const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  for (HWND child : Children(taskbar)) {
    // Wine's taskbar gives each button the id of the window it stands for.
    if (ClassName(child) == L"Button" && IsWindowVisible(child) &&
        static_cast<UINT_PTR>(GetDlgCtrlID(child)) ==
            (reinterpret_cast<UINT_PTR>(window) & 0xFFFFFFFFu)) {
      return true;
    }
  }
  return false;
}

bool StartSentinel(HWND window) {
  wchar_t driver[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, driver, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(driver) + L"\" --sentinel " +
                             std::to_wstring(reinterpret_cast<UINT_PTR>(window));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(driver, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

int RunSentinel(HWND window) {
  while (IsWindow(window)) Sleep(20);
  wchar_t marker[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"DUSKFALL_POWEROFF_MARKER", marker, MAX_PATH) > 0) {
    FILE* file = _wfopen(marker, L"w");
    if (file != nullptr) {
      std::fputs("window closed\n", file);
      std::fclose(file);
    }
  }
  Sleep(INFINITE);
  return 0;
}

void SaveScreenshot(HWND window, const std::wstring& name) {
  wchar_t directory[MAX_PATH] = {};
  if (GetEnvironmentVariableW(L"DUSKFALL_SCREENSHOTS", directory, MAX_PATH) == 0) return;
  CreateDirectoryW(directory, nullptr);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const RECT rect = ScreenRect(window);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  WritePng(std::wstring(directory) + L"\\" + name + L".png", width, height,
           static_cast<const std::uint8_t*>(bits));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace duskfall::e2e
