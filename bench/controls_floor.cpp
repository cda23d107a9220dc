// The floor under Duskfall's start-up: a window with the same ten controls (two buttons, a text
// box, a time picker, a drop-down list holding three entries, four labels and a timer), their
// tooltips, common controls 6, the program's icon in the caption and the tray, and the settings
// key created and read, written the cheapest way: fixed pixel positions, one font, no
// abstractions. Whatever Duskfall needs beyond this is the price of its own code.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr wchar_t kClassName[] = L"DuskfallBenchControlsFloor";
constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";

struct Child {
  const wchar_t* windowClass;
  const wchar_t* text;
  const wchar_t* tooltip;
  DWORD style;
  DWORD exStyle;
  int left, top, width, height;  // pixels at 96 DPI: Duskfall's twips divided by 15
};

constexpr DWORD kInput = WS_TABSTOP;
const Child kChildren[] = {
    {WC_BUTTONW, L"Exit", L"Exit Program", kInput | BS_PUSHBUTTON, 0, 192, 136, 129, 33},
    {WC_BUTTONW, L"Set", L"Start / Cancel Count Down", kInput | BS_PUSHBUTTON, 0, 16, 136, 129, 33},
    {WC_EDITW, L"1", L"Enter value in minutes.", kInput | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 232, 56,
     81, 25},
    {DATETIMEPICK_CLASSW, L"", L"Set Time in 24Hr format", kInput | DTS_TIMEFORMAT | DTS_UPDOWN,
     WS_EX_CLIENTEDGE, 80, 56, 89, 25},
    {WC_COMBOBOXW, L"", L"Select Function", kInput | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 80, 16, 233,
     120},
    {WC_STATICW,
     L"Caution: This program will automatically shut down your PC at a time you specify. Please "
     L"make sure all files have been saved as any unsaved files will be lost on shut down.",
     nullptr, SS_LEFT | SS_NOPREFIX, 0, 24, 88, 289, 41},
    {WC_STATICW, L"Time", nullptr, SS_LEFT | SS_NOPREFIX, 0, 16, 64, 33, 17},
    {WC_STATICW, L"Minutes", nullptr, SS_LEFT | SS_NOPREFIX, 0, 176, 64, 49, 17},
    {WC_STATICW, L"Mode", nullptr, SS_LEFT | SS_NOPREFIX, 0, 16, 24, 33, 17},
};

const wchar_t* const kModes[] = {L" ", L"Fixed Time", L"Relative Time"};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  const HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) return 1;
  const HWND window = CreateWindowExW(
      0, kClassName, L"Qorvelix Duskfall", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
      CW_USEDEFAULT, CW_USEDEFAULT, 346, 206, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window,
                                       nullptr, instance, nullptr);
  const HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                 0, DEFAULT_QUALITY, 0, L"MS Shell Dlg 2");
  for (const Child& child : kChildren) {
    const HWND control = CreateWindowExW(
        child.exStyle, child.windowClass, child.text, WS_CHILD | WS_VISIBLE | child.style,
        child.left, child.top, child.width, child.height, window, nullptr, instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (child.tooltip == nullptr) continue;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(child.tooltip);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SetTimer(window, 1, 60000, nullptr);

  HKEY settings = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                  &settings, nullptr);
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  NOTIFYICONDATAW tray{};
  tray.cbSize = sizeof tray;
  tray.hWnd = window;
  tray.uID = 1;
  tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  tray.uCallbackMessage = WM_MOUSEMOVE;
  tray.hIcon = icon;
  lstrcpynW(tray.szTip, L"Duskfall", ARRAYSIZE(tray.szTip));
  Shell_NotifyIconW(NIM_ADD, &tray);
  const HWND list = FindWindowExW(window, nullptr, WC_COMBOBOXW, nullptr);
  for (const wchar_t* mode : kModes) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mode));
  }
  wchar_t minutes[64] = {};
  DWORD size = sizeof minutes;
  RegQueryValueExW(settings, L"{58a871478e856b86b85}", nullptr, nullptr,
                   reinterpret_cast<BYTE*>(minutes), &size);
  RegCloseKey(settings);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  Shell_NotifyIconW(NIM_DELETE, &tray);
  return 0;
}
