// Duskfall under Wine, used as a person uses it: what only the real program in a real session
// shows. No Duskfall case stores a logon count-down, so each starts as a first run does; the
// PowerOff, Installed and Uninstalled cases are steps of tests/e2e/wine-run's --poweroff and
// --install runs, each in a prefix of its own.
#include <cstdio>
#include <cstdlib>
#include <array>
#include <cstring>

#include "e2e/driver.h"
#include "text/texts.h"
#include "win32/dpi.h"
#include "win32/text_resources.h"

namespace duskfall::e2e {
namespace {

enum TrayItem { kAboutItem, kLogonItem, kRestoreItem, kExitItem };  // the menu's, in order

TEST(Duskfall, MinutesKeepTheFocusUntilWholeAndTheLastMinuteWarnsFromTheTray) {
  const Program program;
  program.ChooseMode(2);
  SetText(program.Minutes(), L"abc");
  ASSERT_TRUE(Activate(program.Window()));
  Click(program.Minutes());
  ASSERT_TRUE(WaitUntil([&] { return HasFocus(program.Minutes()); }));
  // The key or click that would move the focus is refused with a message, and never arrives.
  PressKey(VK_TAB);
  EXPECT_EQ(program.AnswerMessageBox(),
            L"Falscher Datentyp. Geben Sie eine Zahl ein, und versuchen Sie es erneut.");
  EXPECT_TRUE(WaitUntil([&] { return HasFocus(program.Minutes()); }));
  Click(program.Button(kCaptionExit));
  EXPECT_EQ(program.AnswerMessageBox(), Text(kMsgWrongType));
  EXPECT_TRUE(WaitUntil([&] { return HasFocus(program.Minutes()); }));
  // A fraction typed in the user's own format is taken: this group runs where a comma separates
  // decimals.
  SetText(program.Minutes(), L"0,9");
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return HasFocus(program.Button(kCaptionSet)); }));
  PressKey(VK_TAB);  // on to Exit, where the focus stays while the window is hidden
  ASSERT_TRUE(WaitUntil([&] { return HasFocus(program.Button(kCaptionExit)); }));
  program.Minimise();
  PostMessageW(program.Button(kCaptionSet), BM_CLICK, 0, 0);  // set while hidden: warned at once
  EXPECT_TRUE(WaitUntil([&] { return program.CountingDown(); }));
  // Wine's shell shows a balloon, and over it an icon's tip while the pointer rests on the icon,
  // in tooltip windows of its own; the text of the one on top is the message or the tip.
  const auto shown = [] {
    DWORD shell = 0;
    GetWindowThreadProcessId(FindWindowW(L"Shell_TrayWnd", nullptr), &shell);
    return Text(TopWindow(shell, TOOLTIPS_CLASSW));
  };
  ASSERT_TRUE(WaitUntil([&] { return shown() == Text(kMsgLastMinute); })) << "no warning";
  // The window comes up with it, over every other window, and leaves the focus where it was.
  const auto topmost = [&] {
    return (GetWindowLongW(program.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  EXPECT_TRUE(WaitUntil([&] { return program.Restored() && topmost(); }));
  EXPECT_NE(GetForegroundWindow(), program.Window());
  // The pointer comes to rest on the icon, clicking nothing, until its tip shows, then goes. It
  // comes from elsewhere each time: the tooltip answers a pointer that arrives, and a busy shell
  // may add a new icon only after the pointer came.
  const auto tipShows = [&](const std::wstring& tip) {
    return WaitUntil([&] {
      ClickTrayIcon(0, 0);  // no button: the pointer only moves onto the icon
      const bool shows = WaitUntil([&] { return shown() == tip; }, 3s);
      SendMouse(POINT{});
      return shows;
    });
  };
  EXPECT_TRUE(tipShows(L"Qorvelix Duskfall: Herunterfahren in 1 Minute"));
  // Wine reports no click on a balloon: the driver reports it as Windows does.
  PostMessageW(program.Window(), WM_MOUSEMOVE, 0, NIN_BALLOONUSERCLICK);
  EXPECT_TRUE(WaitUntil([&] {
    return program.Restored() && GetForegroundWindow() == program.Window() &&
           HasFocus(program.Button(kCaptionCancel)) && !topmost();
  }));
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !program.CountingDown(); }));
  // Wine hides a balloon by itself after 10 s: Cancel must take it away well before.
  EXPECT_TRUE(WaitUntil([&] { return shown().empty(); }, 3s));
  EXPECT_TRUE(tipShows(kMainTitle));  // the icon's, added again
}

TEST(Duskfall, AStartWithoutItsWindowSaysSoAndEndsWithAnErrorCode) {
  // The broken build of tests/imports loses its main window's class before making the window.
  const Program broken(L"\"" + Program::Directory() + L"\\duskfall_broken.exe\"", false);
  EXPECT_EQ(broken.AnswerMessageBox(), Text(kMsgStartFailed));
  EXPECT_EQ(broken.WaitForExit(), 1u);
}

TEST(Duskfall, TheTrayIconBringsTheWindowBackAndClosingItDuringTheMenuEndsTheProcess) {
  const Program program;
  // Screen readers name each input after the label before it, and Tab keeps its order.
  std::wstring order;  // front to back; a star marks a tab stop
  for (HWND child = GetWindow(program.Window(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[32] = {};
    GetClassNameW(child, name, 32);
    order +=
        OfClass(child, L"Static") || OfClass(child, L"Button") ? Text(child).substr(0, 8) : name;
    order += GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP ? L"* " : L" ";
  }
  EXPECT_EQ(
      order,
      L"Modus ComboBox* Uhrzeit SysDateTimePick32* Minuten Edit* Festlege* Beenden* Achtung: ");
  // Owned by a hidden window, it has no taskbar button; each input has its tooltip.
  EXPECT_NE(GetWindow(program.Window(), GW_OWNER), nullptr);
  EXPECT_EQ(SendMessageW(program.TopWindow(TOOLTIPS_CLASSW, false), TTM_GETTOOLCOUNT, 0, 0), 5);
  // A click on the icon brings the window back.
  program.Minimise();
  ClickTrayIcon(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitUntil([&] { return program.Restored(); }));
  EXPECT_EQ(program.PopupMenu(), nullptr);
  // The menu speaks German: W, the mnemonic of "&Wiederherstellen", brings the window back.
  program.Minimise();
  ClickTrayIcon(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitUntil([&] { return program.PopupMenu() != nullptr; }));
  PostMessageW(program.PopupMenu(), WM_CHAR, L'w', 0);
  EXPECT_TRUE(WaitUntil([&] { return program.Restored(); }));
  program.Minimise();
  // A right click opens the menu, where a right click chooses as a left one does: Restore, the
  // third of four items.
  ClickTrayIcon(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  const HWND menu = WaitForWindow([&] { return program.PopupMenu(); });
  ASSERT_NE(menu, nullptr);
  RECT items{};
  GetWindowRect(menu, &items);
  const POINT restore{(items.left + items.right) / 2, (3 * items.top + 5 * items.bottom) / 8};
  for (DWORD flags : {0, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}) SendMouse(restore, flags);
  EXPECT_TRUE(WaitUntil([&] { return program.Restored(); }));
  // Closed while the menu's loop runs, inside the shell's report, the window ends the process.
  ClickTrayIcon(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitUntil([&] { return program.PopupMenu() != nullptr; }));
  SendMessageW(program.Window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

// The texts of a window's labels, buttons and list entries that their controls cut, measured in
// the program's font made again at that DPI. The caution fits itself; the title is not a text.
std::wstring CutTexts(HWND window, UINT dpi) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, CreateDialogFont(dpi));
  std::wstring cut;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool label = OfClass(child, L"Static");
    const bool list = OfClass(child, L"ComboBox");
    if (!(label || list || OfClass(child, L"Button")) || Text(child) == Text(kCaution)) continue;
    // The list's entries are the driver's, which the window shows (Languages checks the language).
    std::vector<std::wstring> texts{Text(child), Text(kModeFixedTime), Text(kModeRelativeTime)};
    texts.resize(list ? 3 : 1);
    RECT box{};
    GetClientRect(child, &box);
    // A button keeps 2 pixels a side at 96 dpi for its frame, a list also its arrow.
    box.right -=
        label ? 0 : MulDiv(4, int(dpi), 96) + (list ? SystemMetricForDpi(SM_CXVSCROLL, dpi) : 0);
    for (const std::wstring& text : texts) {
      RECT needed{0, 0, box.right, 0};
      const UINT format = label ? DT_WORDBREAK | DT_NOPREFIX : DT_SINGLELINE;
      DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | format);
      const bool cutOff = needed.right > box.right || needed.bottom > box.bottom;
      if (cutOff && text != kAppTitle) cut += text + L" " + std::to_wstring(needed.right) + L"|";
    }
  }
  DeleteObject(SelectObject(dc, previous));
  ReleaseDC(nullptr, dc);
  return cut;
}

// Run in each language (tests/e2e/wine-run --languages); the driver's texts are the program's.
TEST(Languages, EveryTextFitsItsControlAt96And144Dpi) {
  const wchar_t* const desktop = L"Control Panel\\Desktop";
  for (const DWORD dpi : {96, 144}) {
    RegSetKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    const Program program;
    // Each run shows its locale's language; English the texts Duskfall always had.
    const bool english = std::wstring(_wgetenv(L"LC_ALL")).starts_with(L"en_");
    EXPECT_EQ(Text(program.Button(L"Set")) == L"Set", english);
    EXPECT_EQ(Child(program.Window(), L"Static", L"Time") != nullptr, english);
    EXPECT_EQ(CutTexts(program.Window(), dpi), L"") << "at " << dpi << " dpi";
    ASSERT_TRUE(program.ChooseTrayItem(kAboutItem));
    const HWND about = WaitForWindow([&] { return program.TopWindow(L"DuskfallAbout"); });
    EXPECT_EQ(CutTexts(about, dpi), L"") << "About at " << dpi << " dpi";
  }
  RegDeleteKeyValueW(HKEY_CURRENT_USER, desktop, L"LogPixels");
}

TEST(Duskfall, TheFileCarriesOneVersion) {
  const std::wstring path = Program::Directory() + L"\\Duskfall.exe";
  std::string info(GetFileVersionInfoSizeW(path.c_str(), nullptr), '\0');
  ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, DWORD(info.size()), info.data()));
  const auto value = [&](const wchar_t* name) {
    void* found = nullptr;
    UINT length = 0;
    return VerQueryValueW(info.data(), name, &found, &length) ? found : nullptr;
  };
  // Version 1.0.2: the numbers are major, minor, 0, revision; the texts major.MM.RRRR.
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value(L"\\"));
  ASSERT_NE(fixed, nullptr);
  EXPECT_EQ((std::array{fixed->dwFileVersionMS, fixed->dwFileVersionLS}),
            (std::array<DWORD, 2>{0x10000, 2}));
  const auto text = [&](const std::wstring& name) {
    const void* found = value((L"\\StringFileInfo\\040904B0\\" + name).c_str());
    return std::wstring(found ? static_cast<const wchar_t*>(found) : L"");
  };
  EXPECT_EQ(text(L"FileVersion") + L" " + text(L"ProductVersion"), L"1.00.0002 1.00.0002");
  // The name Task Manager, the "open with" lists and a balloon's source show.
  EXPECT_EQ(text(L"FileDescription"), kAppTitle);
  const HMODULE file = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const HRSRC manifest = FindResourceW(file, MAKEINTRESOURCEW(1), RT_MANIFEST);
  const std::string xml(static_cast<const char*>(LockResource(LoadResource(file, manifest))),
                        SizeofResource(file, manifest));
  EXPECT_NE(xml.find("version=\"1.0.0.2\""), std::string::npos);
  // Windows 10 and 11 are named, or Windows runs the program as on Vista.
  EXPECT_NE(xml.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
  FreeLibrary(file);
}

TEST(Duskfall, AboutStartsSystemInfoClosesOnEscapeTakesANewDpiAndOutlivesTheMainWindow) {
  // Any program serves as the tool; a second Duskfall window shows that it was started.
  CreateDirectoryW(L"C:\\SysInfoTool", nullptr);
  ASSERT_TRUE(CopyFileW((Program::Directory() + L"\\Duskfall.exe").c_str(),
                        L"C:\\SysInfoTool\\MSINFO32.EXE", FALSE));
  WriteString(L"SOFTWARE\\Microsoft\\Shared Tools Location", L"MSINFO", L"C:\\SysInfoTool");
  const Program program;
  const auto openAbout = [&] {
    EXPECT_TRUE(program.ChooseTrayItem(kAboutItem));
    return WaitForWindow([&] { return program.TopWindow(L"DuskfallAbout"); });
  };
  HWND about = openAbout();
  ASSERT_NE(about, nullptr);
  PostMessageW(Child(about, L"Button", Text(kAboutSysInfo).c_str()), BM_CLICK, 0, 0);
  HWND tool = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    tool = FindWindowW(L"DuskfallForm1", nullptr);
    if (tool == program.Window()) tool = FindWindowExW(nullptr, tool, L"DuskfallForm1", nullptr);
    return tool != nullptr;
  }));
  PostMessageW(tool, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Activate(about));
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  about = openAbout();
  ASSERT_NE(about, nullptr);
  // Moved to a monitor at 150 %, each window takes the rectangle that Windows suggests.
  for (const HWND window : {program.Window(), about}) {
    const RECT suggested{50, 60, 720, 500};
    RECT taken{};
    program.SendWithData(window, WM_DPICHANGED, MAKEWPARAM(144, 144), suggested);
    EXPECT_TRUE(GetWindowRect(window, &taken) && EqualRect(&taken, &suggested));
  }
  // As task managers and session tools do: a sent WM_CLOSE, handled inside GetMessage.
  SendMessageW(program.Window(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(program.Window()));
  // About lives on and still takes keys: Tab moves its focus.
  ASSERT_TRUE(Activate(about));
  const HWND focus = FocusOf(about);
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(about) != focus && IsChild(about, FocusOf(about)); }));
  // Closed the same way, the last window ends the process.
  SendMessageW(about, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

// The copy that the tray item starts as administrator, started here as Windows would start it:
// its exit code, and the minutes and Run command it leaves.
TEST(Duskfall, TheHelperModeWritesBothValuesOrNoneAndAnyOtherArgumentsStartTheProgram) {
  const std::wstring program = Program::Directory() + L"\\Duskfall.exe";
  WriteString(kAppPathsKey, L"", program);
  const auto run = [&](const std::wstring& arguments) {
    const Program helper(L"\"" + program + L"\" --elevated-logon-setting" + arguments, false);
    // Waited for before the values are read; STILL_ACTIVE (259) when it does not end by itself.
    const DWORD exitCode = helper.WaitForExit();
    return std::to_wstring(exitCode) + L" " + ReadString(kSettingsKey, kMinutesValue) + L"|" +
           ReadString(kRunKey, L"Duskfall");
  };
  // Nothing stored, the keys go: the settings key must be made again.
  EXPECT_EQ(run(L" remove"), L"0 <missing>|<missing>");
  EXPECT_EQ(run(L" set 45 C:\\other.exe"), L"1 <missing>|<missing>");
  // Never installed: nothing would start at logon, and nothing is written.
  ASSERT_EQ(RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(run(L" set 45"), L"3 <missing>|<missing>");
  WriteString(kAppPathsKey, L"", program);
  MakeKeyReadOnly(kRunKey);  // the minutes written first are taken back, with the keys made
  EXPECT_EQ(run(L" set 45"), L"2 <missing>|<missing>");
  MakeKeyWritable(kRunKey);
  EXPECT_EQ(run(L" set 45"), L"0 45|" + program);
  EXPECT_EQ(run(L" remove"), L"0 <missing>|<missing>");
  // The manifest's UTF-8 code page keeps a character that Western European Windows lacks.
  WriteString(kAppPathsKey, L"", L"C:\\Dusk\u0142fall\\Duskfall.exe");
  EXPECT_EQ(run(L" set 45"), L"0 45|C:\\Dusk\u0142fall\\Duskfall.exe");
  const Program ordinary(L"\"" + program + L"\" --elevated-logon-setting-x set 45");
}

// Run by tests/e2e/wine-run --poweroff, which checks from outside that the window closes and the
// Wine session ends: arms a fixed-time count-down seconds ahead, restarts the taskbar twice, and
// leaves it running.
TEST(PowerOff, ArmedAFewSecondsAheadAndTheTaskbarRestarted) {
  Program program;
  program.ChooseMode(1);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const int seconds = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + 15) % 86400;
  // Only the time fields change, as a user sets them: the date part stays what the program put
  // in the picker.
  const HWND picker = Child(program.Window(), DATETIMEPICK_CLASSW);
  SYSTEMTIME target = program.SendWithData(picker, DTM_GETSYSTEMTIME, 0, SYSTEMTIME{});
  target.wHour = WORD(seconds / 3600);
  target.wMinute = WORD(seconds / 60 % 60);
  target.wSecond = WORD(seconds % 60);
  program.SendWithData(picker, DTM_SETSYSTEMTIME, GDT_VALID, target);
  PostMessageW(program.Button(kCaptionSet), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return program.CountingDown(); }));
  // The shell forgets the icon, as when Explorer restarts, then announces its new taskbar: the
  // icon comes back, and the count-down still fires.
  ASSERT_TRUE(TrayIcon(program.Window(), NIM_DELETE));
  PostMessageW(program.Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return TrayIcon(program.Window(), NIM_MODIFY); }));
  // Announced while the shell still has the icon, the add is refused, and the icon is offered
  // again 5 seconds later: the count-down keeps its own timer through that.
  PostMessageW(program.Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  ASSERT_TRUE(
      CloseHandle(StartProcess(L"\"" + Program::Directory() + L"\\duskfall_e2e.exe\" --sentinel " +
                               std::to_wstring(reinterpret_cast<UINT_PTR>(program.Window())))))
      << "the sentinel did not start";
  program.Detach();
}

// The package's work, checked by tests/e2e/wine-run --install and --msi between its steps in one
// prefix. The Add/Remove Programs entry is named DUSKFALL_PRODUCT: the setup program's
// "Duskfall", or the Windows Installer package's product code. Each case runs from a copy of the
// driver in the installation folder, so that Program starts the installed Duskfall.exe.
constexpr wchar_t kVendorKey[] = L"SOFTWARE\\{4924567}";
std::wstring UninstallKey() {
  return L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" +
         std::wstring(_wgetenv(L"DUSKFALL_PRODUCT"));
}

// The setup program's run only: the Windows Installer package stores the count-down itself.
TEST(Installed, ALogonCountDownIsStoredWithRights) {
  WriteString(kSettingsKey, kMinutesValue, L"");
  MakeKeyReadOnly(kSettingsKey);
  const Program program;
  // Wine gives every process a full administrator token: a refused write is final there, and
  // no copy is started to ask for consent.
  const HANDLE job = CreateJobObjectW(nullptr, nullptr);
  ASSERT_TRUE(AssignProcessToJobObject(job, program.Process()));
  program.ChooseMode(2);
  SetText(program.Minutes(), L"45");
  ASSERT_TRUE(program.ChooseTrayItem(kLogonItem));
  EXPECT_EQ(program.AnswerMessageBox(), Text(kMsgLogonNotStored));
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION used{};
  QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &used, sizeof used, nullptr);
  EXPECT_EQ(used.TotalProcesses, 1u) << "a second copy was started";
  CloseHandle(job);
  MakeKeyWritable(kSettingsKey);
  ASSERT_TRUE(program.ChooseTrayItem(kLogonItem));
  // The item's command runs once the menu's loop has ended.
  EXPECT_TRUE(WaitUntil([&] { return ReadString(kRunKey, L"Duskfall") != kMissing; }));
  // A silent installation over the running program gives up.
  const Program setup(L"\"" + std::wstring(_wgetenv(L"DUSKFALL_SETUP")) + L"\" /S", false);
  EXPECT_EQ(setup.WaitForExit(), 2u);
  ASSERT_TRUE(program.ChooseTrayItem(kExitItem)) << "the program was not left running";
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST(Installed, WritesInTheViewOfItsBitnessAndTheLogonCountDownResumesHidden) {
  const std::wstring installed = Program::Directory() + L"\\Duskfall.exe";
  EXPECT_EQ(ReadString(kAppPathsKey, L""), installed);
  // Windows shares App Paths between the views; the Add/Remove entry has one in each.
  EXPECT_NE(ReadString(UninstallKey().c_str(), L"DisplayName"), kMissing);
  EXPECT_EQ(ReadString(UninstallKey().c_str(), L"DisplayName", kOtherView), kMissing);
  const std::wstring command = ReadString(kRunKey, L"Duskfall");
  EXPECT_EQ(command, L"\"" + installed + L"\"");
  EXPECT_EQ(ReadString(kRunKey, L"Duskfall", kOtherView), kMissing);
  // At logon Windows starts the Run value's command, for a user who may only read the key: the
  // count-down resumes, hidden, with its icon in the tray.
  MakeKeyReadOnly(kSettingsKey);
  const Program atLogon(command);
  EXPECT_TRUE(WaitUntil([&] { return atLogon.CountingDown(); }));
  EXPECT_EQ(Text(atLogon.Minutes()), L"45");
  EXPECT_FALSE(IsWindowVisible(atLogon.Window()));
  EXPECT_TRUE(TrayIcon(atLogon.Window(), NIM_MODIFY));
  // Not the program's: the uninstallation leaves these.
  MakeKeyWritable(kSettingsKey);
  WriteString(kRunKey, L"Other", L"C:\\windows\\notepad.exe");
  WriteString(kVendorKey, L"Other", L"not Duskfall's");
}

// The other view held none of these while installed.
TEST(Uninstalled, WhatIsTheProgramsIsGoneAndTheRestStays) {
  EXPECT_EQ(ReadString(kAppPathsKey, L""), kMissing);
  EXPECT_EQ(ReadString(kRunKey, L"Duskfall"), kMissing);
  EXPECT_EQ(ReadString(kSettingsKey, kMinutesValue), kMissing);
  EXPECT_EQ(ReadString(UninstallKey().c_str(), L"DisplayName"), kMissing);
  EXPECT_EQ(ReadString(kRunKey, L"Other"), L"C:\\windows\\notepad.exe");
  EXPECT_EQ(ReadString(kVendorKey, L"Other"), L"not Duskfall's");
}

}  // namespace
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
  setvbuf(stdout, nullptr, _IONBF, 0);  // what a run printed survives a crash of the driver
  // Window rectangles in physical pixels, as the program's own are.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  // The texts the program shows in this locale, from its own string tables.
  duskfall::LoadDisplayTexts(
      LoadLibraryExW((duskfall::e2e::Program::Directory() + L"\\Duskfall.exe").c_str(), nullptr,
                     LOAD_LIBRARY_AS_DATAFILE));
  ::testing::InitGoogleTest(&argc, argv);
  const int failed = RUN_ALL_TESTS();
  // GoogleTest passes a filter that selects nothing: a renamed case must not pass unseen.
  if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) return 1;
  return failed;
}
