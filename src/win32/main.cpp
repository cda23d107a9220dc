// The process entry: creates Form1, the program's start-up object, and runs the message loop
// until no window of the program is loaded.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "settings/elevated_logon_setting.h"
#include "text/texts.h"
#include "win32/about_window_win32.h"
#include "win32/form1_window.h"
#include "win32/program_windows.h"
#include "win32/services_win32.h"
#include "win32/text_resources.h"

using namespace duskfall;

namespace {

constexpr wchar_t kOwnerClassName[] = L"DuskfallOwner";

// A hidden owner keeps the program's windows off the taskbar while they keep a normal caption.
HWND CreateHiddenOwner(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kOwnerClassName;
  RegisterClassExW(&windowClass);
  return CreateWindowExW(0, kOwnerClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                         nullptr);
}

// The arguments after the program's name, as the C runtime split the command line.
std::vector<std::wstring> ProgramArguments() {
  if (__wargv == nullptr || __argc < 1) return {};
  return std::vector<std::wstring>(__wargv + 1, __wargv + __argc);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  AnsiCodePageWin32 ansi;
  RegistryWin32 registry;
  SystemWin32 system;
  // A copy started as administrator for the logon count-down does only that, before any window.
  const StartArguments start = ReadStartArguments(ProgramArguments(), system.DecimalSeparator());
  if (start.kind != StartKind::kOrdinary) return RunElevatedRequest(start, {registry, ansi});
  LoadDisplayTexts(instance);

  INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                      ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&commonControls);
  const bool registered = Form1Window::RegisterWindowClass(instance);
#ifdef DUSKFALL_FAIL_START
  // Only in a build the tests break on purpose: the main window's class goes before the window.
  UnregisterClassW(L"DuskfallForm1", instance);
#endif
  UniqueWindow owner(registered ? CreateHiddenOwner(instance) : nullptr);

  DialogsWin32 dialogs;
  TrayWin32 tray;
  PowerWin32 power;
  ProgramModule module;
  ProgramWindows windows;

  AboutWindow about(instance, owner.get(), windows, Registry{registry, ansi}, system, dialogs);
  Form1Window form1(instance, owner.get(), windows, about,
                    Services{dialogs, registry, ansi, tray, power, system}, module);
  if (!owner || !form1.Start()) {
    // Without its window the program can do nothing, not even a count-down resumed at logon:
    // it must not end as if all went well.
    dialogs.ShowMessage(Text(TextId::kMsgStartFailed), MB_ICONERROR, kMainTitle);
    return 1;
  }

  // The loop ends once no window is loaded, checked after each message so that a handler that
  // closes the last window (the count-down's trigger) still runs to its end.
  MSG message;
  while (!windows.NoneLoaded() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form1.PreTranslateMessage(message) || about.PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
