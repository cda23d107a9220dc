// The end-to-end driver's tools: it starts Duskfall.exe under Wine and uses it as a person
// would, finding windows by class and caption, reading what they show, and sending clicks and
// keys. Every wait polls a condition against a deadline.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace duskfall::e2e {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kDeadline = 30s;

// Polls until the condition holds; false when the deadline passes first.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds deadline = kDeadline);

std::wstring Text(HWND window);
std::wstring ClassName(HWND window);
RECT ScreenRect(HWND window);
std::vector<HWND> Children(HWND parent);
HWND FindChild(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr);

// Input as a person gives it.
void ClickAt(POINT screen);
void Click(HWND control);  // at the control's centre
void PressKey(WORD key, bool shift = false);
void MovePointer(POINT screen);

// The focused window of the thread that owns the given window.
HWND FocusOf(HWND window);

struct MessageBoxView {
  std::wstring title;
  std::wstring text;
  bool icon = false;
};

// The Duskfall process under test, ended when the object goes.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  static std::wstring Directory();  // where the driver and Duskfall.exe are
  DWORD Id() const { return process_.dwProcessId; }
  bool Running() const;
  bool WaitForExit(std::chrono::milliseconds deadline = kDeadline) const;

  // The program's top-level windows of a class, visible or not.
  std::vector<HWND> Windows(const wchar_t* windowClass) const;
  HWND MainWindow() const;
  HWND WaitForMainWindow() const;
  // A message box of the program, once one is open; null at the deadline.
  HWND WaitForMessageBox(std::chrono::milliseconds deadline = kDeadline) const;
  MessageBoxView ReadMessageBox(HWND box) const;
  void CloseMessageBox(HWND box) const;
  // Waits for a box, reads it, presses its OK button and waits until it is gone.
  std::optional<MessageBoxView> AnswerMessageBox() const;
  // Leaves the program running when this object goes.
  void Detach() { detached_ = true; }

 private:
  PROCESS_INFORMATION process_{};
  bool detached_ = false;
};

// The main window's controls, found as a person finds them.
class MainWindowView {
 public:
  explicit MainWindowView(HWND window);
  HWND Window() const { return window_; }
  HWND ModeList() const;
  HWND Picker() const;
  HWND Minutes() const;
  HWND SetButton() const;  // "Set" or "Cancel"
  HWND ExitButton() const;
  HWND Label(const wchar_t* text) const;
  HWND Caution() const;

  std::vector<std::wstring> ModeEntries() const;
  std::wstring ModeText() const;
  void ChooseMode(int position) const;
  SYSTEMTIME PickerTime() const;
  void SetPickerTime(const SYSTEMTIME& time) const;
  void SetMinutes(const std::wstring& text) const;
  void PressSet() const;  // as the keyboard's Enter on the button does: no focus change
  bool Running() const { return Text(SetButton()) == L"Cancel"; }

 private:
  HWND window_;
};

// The access list of a key under HKEY_LOCAL_MACHINE: everyone may read but nobody write, as for
// a user without administrator rights; or everyone may do anything again.
void MakeKeyReadOnly(const wchar_t* keyPath);
void MakeKeyWritable(const wchar_t* keyPath);

// The program's registry: cleared before each case so a case starts like a first run.
void ResetProgramRegistry();
void StoreLogonMinutes(const std::wstring& minutes);
std::wstring StoredLogonMinutes();
// The App Paths entry the installer writes, and the Run value the logon setting writes.
void SetAppPath(const std::wstring& path);
std::wstring RunValue();
// The system information tool's two registry locations.
void SetSystemInfoPath(const std::wstring& path);
void SetSystemInfoFolder(const std::wstring& folder);
// Whether a process started from the given file shows a top-level window of the class.
bool WindowFromImage(const wchar_t* windowClass, const std::wstring& imagePath);
// Ends every process that shows a top-level window of the class; true when one was found.
bool EndProgramsWithWindow(const wchar_t* windowClass);
// Lets everyone read the program's settings key but nobody write it.
void MakeSettingsKeyReadOnly();
// Whether this process, like the program, may open the settings key for writing.
bool SettingsKeyWritable();

// The tray's reports, sent the way the shell sends them: the mouse message in the low word.
void SendTrayReport(HWND mainWindow, UINT mouseMessage);
// The open popup menu of the program, if one is open.
HWND OpenPopupMenu(const Program& program);
// Opens the tray menu and chooses the item at the position (0 About, 1 the logon item,
// 2 Restore, 3 Exit) with the keyboard.
bool ChooseTrayMenuItem(const Program& program, HWND mainWindow, int position);

// The tray as the shell knows it: whether the program's icon is there.
bool TrayIconPresent(HWND mainWindow);
// Whether the Wine desktop's taskbar shows a button for the window.
bool TaskbarShowsButtonFor(HWND window);

// Starts a process of the driver that waits for the window to close, then notes it in the
// file named by DUSKFALL_POWEROFF_MARKER and waits forever: only the end of the Wine session
// ends it.
bool StartSentinel(HWND window);
// The sentinel's own work; main() runs it for "--sentinel <window>".
int RunSentinel(HWND window);

// A PNG of a window as it is on the screen, under build/screenshots/.
void SaveScreenshot(HWND window, const std::wstring& name);

}  // namespace duskfall::e2e
