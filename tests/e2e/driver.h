// The end-to-end driver's tools: it starts Duskfall.exe under Wine and uses it as a person would,
// finding windows by class and caption, reading what they show, and sending clicks and keys.
// Every wait polls a condition against a deadline.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

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
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds deadline = 30s);
// Starts a process; its handle, or null.
HANDLE StartProcess(std::wstring commandLine, const wchar_t* directory = nullptr);
std::wstring DriverPath();

std::wstring Text(HWND window);
void SetText(HWND window, const std::wstring& text);
// A direct child of the parent by class and, when given, text.
HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr);
// A top-level window of the class that the process owns.
HWND TopWindow(DWORD processId, const wchar_t* windowClass, bool visible = true);
// Input as a person gives it, at absolute screen positions.
void MovePointer(POINT screen);
void Click(HWND control);  // at its centre
void PressKey(WORD key);
// The focused window of the thread that owns the window.
HWND FocusOf(HWND window);
bool TrayIconPresent(HWND window);

// HKEY_LOCAL_MACHINE, as the x64 program sees it.
std::wstring ReadString(const wchar_t* key, const wchar_t* name);
void WriteString(const wchar_t* key, const wchar_t* name, const std::wstring& text);
// Everyone may read a key but nobody write it, as for a user without administrator rights; or
// everyone may do anything again. A key that is not there stays so.
void MakeKeyReadOnly(const wchar_t* key);
void MakeKeyWritable(const wchar_t* key);
// Clears what the program and its About window read, so that a case starts like a first run.
void ResetProgramRegistry();

// The Duskfall.exe next to the driver, started at construction and ended when the object goes.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  static std::wstring Directory();
  HWND Window() const { return window_; }  // the main window, once start-up is over
  bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  bool WaitForExit() const { return WaitForSingleObject(process_, 30000) == WAIT_OBJECT_0; }
  HWND TopWindow(const wchar_t* windowClass) const { return e2e::TopWindow(id_, windowClass); }
  HWND Minutes() const { return Child(window_, L"Edit"); }
  HWND Button(const wchar_t* caption) const { return Child(window_, L"Button", caption); }
  bool CountingDown() const { return Button(L"Cancel") != nullptr; }
  void ChooseMode(int position) const;  // 1 fixed time, 2 relative time
  void SetPickerTime(const SYSTEMTIME& time) const;
  // Brings the main window forward and waits until keys go to it.
  bool Activate() const;
  void Minimise() const;  // and waits until it hides
  bool Restored() const { return IsWindowVisible(window_) && !IsIconic(window_); }
  // Waits for a message box, reads its text and presses OK; empty when none came.
  std::wstring AnswerMessageBox() const;
  HWND PopupMenu() const { return TopWindow(L"#32768"); }
  // Sends the tray's report of a mouse message the way the shell does.
  void TrayReport(UINT mouseMessage) const;
  // Opens the tray menu and chooses with the keyboard: 0 About, 1 logon, 2 Restore, 3 Exit.
  bool ChooseTrayItem(int position) const;
  void Detach() { detached_ = true; }  // lets it run on once this object goes

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  HWND window_ = nullptr;
  bool detached_ = false;
};

}  // namespace duskfall::e2e
