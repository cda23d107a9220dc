// The program's logic on the fakes: start-up, the minutes box, modes, the count-down, the tray,
// the logon count-down, the power-off, the registry rights and the About window, each read back
// as the user or the system would see it.
#include <gtest/gtest.h>

#include "about/about_window.h"
#include "app/contrast_colors.h"
#include "fakes/rig.h"
#include "power/power_off.h"
#include "settings/logon_setting.h"
#include "settings/settings_keys.h"
#include "text/texts.h"

namespace duskfall::testing {
namespace {

TEST(StartUp, RunsItsStepsInOrderAndStoredMinutesResumeTheCountDownBehindTheTrayIcon) {
  // clang-format off
  const Log idle{"RegCreateKeyExA " + kSettings + " 63", "RegCloseKey", "Form1.Show",
                 "Form1.Refresh", "Shell_NotifyIconW 0", "Clear", "AddItem  ", "AddItem Fixed Time",
                 "AddItem Relative Time", "RegOpenKeyExA " + kSettings + " 131097", "RegCloseKey"};
  // The stored value's type and text, whether its key may only be read; the minutes resumed.
  const std::vector<std::tuple<std::uint32_t, std::string, bool, const wchar_t*>> rows{
      {kRegSz, "15", true, L"15"},
      {kRegSz, "1", false, L"1"},
      {kRegSz, "", false, nullptr},
      {kRegBinary, "15", false, nullptr}};
  // clang-format on
  for (const auto& [type, data, readOnly, resumed] : rows) {
    Rig r(false);
    r.registry.Put(kSettings, kMinutes, type, Sz(data));
    if (readOnly) r.registry.readOnly = {kSettings};
    r.Start();
    const bool on = resumed != nullptr;
    EXPECT_EQ((std::array{r.Running(), r.c.LblSaS[1]->Enabled()}), (std::array{on, on})) << data;
    EXPECT_EQ(r.c.mpopdsk->Text(), on ? Text(kMenuCancelDuskfall) : Text(kMenuSetDuskfall));
    EXPECT_EQ(r.c.TxtCount->Text(), on ? resumed : L"1");
    Log expected = idle;
    if (readOnly) expected.erase(expected.begin() + 1);  // refused: no key to close
    // Resumed after the icon is in the tray, whose tip then tells the moment.
    if (on) expected.insert(expected.end(), {"Form1.Hide", "Shell_NotifyIconW 1"});
    if (data == "1") expected.push_back("Shell_NotifyIconW 1");  // in its last minute already
    if (data == "1") expected.push_back("Form1.ShowOnTopWithoutFocus 1");
    EXPECT_EQ(r.log, expected) << data;
  }
}

TEST(MinutesValidation, KeepsTheFocusUntilTheBoxHoldsAWholeNumberFromOne) {
  // clang-format off
  const std::vector<std::tuple<const wchar_t*, const wchar_t*, const wchar_t*>> rows{
      {L"\t7 ", L".", nullptr},
      {L"2147483647", L".", nullptr},
      {L"0.50001", L".", nullptr},
      {L"0", L".", Text(kMsgBelowOne).c_str()},
      {L"0.5", L".", Text(kMsgBelowOne).c_str()},
      {L"0,5", L",", Text(kMsgBelowOne).c_str()},
      {L"-2147483648.5", L".", Text(kMsgBelowOne).c_str()},
      {L"2147483648", L".", Text(kMsgTooLarge).c_str()},
      {L"2147483647.5", L".", Text(kMsgTooLarge).c_str()},
      {L"99999999999999999999", L".", Text(kMsgTooLarge).c_str()},
      {L"", L".", Text(kMsgWrongType).c_str()},
      {L"2.5", L",", Text(kMsgWrongType).c_str()},
      {L"5", L"", Text(kMsgUnknownError).c_str()}};
  // clang-format on
  for (const auto& [text, separator, message] : rows) {
    Rig r;
    r.sys.separator = separator;
    r.c.TxtCount->SetText(text);
    bool cancel = false;
    r.form.TxtCount_Validate(cancel);
    const bool unknown = message == Text(kMsgUnknownError).c_str();
    EXPECT_EQ(cancel, message && !unknown) << text;
    EXPECT_EQ(r.sys.boxes, Shown(message, unknown ? kMbIconHand : kMbIconInformation, kMainTitle))
        << text;
  }
}

TEST(CountDown, AModeEnablesItsInputSetStartsItAndCancelGivesTheInputsBack) {
  // The mode chosen after "Fixed Time" and the minutes typed; the inputs enabled (picker,
  // minutes), the tick interval, and the box that Set shows instead of starting.
  // clang-format off
  const std::vector<std::tuple<std::wstring, const wchar_t*, bool, bool, int, const wchar_t*>> rows{
      {Text(kModeFixedTime).c_str(), L"", true, false, 1000, nullptr},
      {Text(kModeRelativeTime).c_str(), L"  ", false, true, 60000, nullptr},
      {Text(kModeRelativeTime).c_str(), L"", false, true, 60000, Text(kMsgEnterTime).c_str()},
      {kModeNone, L"5", false, false, 1000, Text(kMsgSelectFunction).c_str()},
      {L"", L"5", false, false, 1000, Text(kMsgSelectFunction).c_str()}};
  // clang-format on
  for (const auto& [mode, minutes, picker, typing, interval, refusal] : rows) {
    Rig r;
    r.Choose(Text(kModeFixedTime));
    r.Choose(mode);
    EXPECT_EQ((std::array{r.factory.picker.enabled, r.c.LblSaS[2]->Enabled(),
                          r.c.TxtCount->Enabled(), r.c.LblSaS[1]->Enabled()}),
              (std::array{picker, picker, typing, typing}))
        << mode;
    EXPECT_EQ(r.factory.timer.interval, interval);
    r.c.TxtCount->SetText(minutes);
    r.form.CmdSaS_Click(0);
    r.form.CmdSaS_Click(2);  // no such button
    EXPECT_EQ(r.sys.boxes, Shown(refusal, kMbIconInformation, kMainTitle));
    EXPECT_EQ(r.Running(), !refusal);
    if (refusal) continue;
    EXPECT_FALSE(r.c.CmbFunction->Enabled() || r.c.TxtCount->Enabled() || r.factory.picker.enabled);
    r.form.CmdSaS_Click(0);
    EXPECT_EQ(
        (std::array{r.c.CmdSaS[0]->Text() == Text(kCaptionSet), r.factory.timer.enabled,
                    r.c.CmbFunction->Enabled(), r.factory.picker.enabled, r.c.TxtCount->Enabled()}),
        (std::array{true, false, true, mode == Text(kModeFixedTime),
                    mode == Text(kModeRelativeTime)}));
  }
  Rig r;  // without a timer from Windows, Set refuses and says why
  r.factory.timer.refusesToRun = true;
  r.StartWith(Text(kModeRelativeTime), L"5");
  EXPECT_EQ(r.sys.boxes, Shown(Text(kMsgNoTimer).c_str(), kMbIconHand, kMainTitle));
  EXPECT_TRUE(!r.Running() && r.c.TxtCount->Enabled() &&
              r.c.CmdSaS[0]->Text() == Text(kCaptionSet));
}

TEST(CountDown, EachRelativeTickTakesAMinuteOffAndTheLastPowersOffAMinuteAfterTheWarning) {
  // clang-format off
  const std::vector<std::tuple<const wchar_t*, const wchar_t*, bool>> rows{
      {L"1", L"0", true},
      {L"0.5", L"0", true},
      {L"abc", L"abc", true},
      {L"-5", L"-5", false},
      {L"1\n0", L"9", false},
      {L"2,5", L"1", false},
      {L"2.3", L"1.3", false},
      {L"1.9999999999999998", L"1", false},
      {L"25e-1", L"1.5", false},
      {L"0.05e2", L"4", false},
      {L"12345678901234567890123", L"12345678901234600000000", false}};
  // clang-format on
  for (const auto& [minutes, after, fires] : rows) {
    Rig r;
    r.sys.now = DateTime::TimeOfDay(12, 0, 0);  // the picker's time: it must not count here
    r.StartWith(Text(kModeRelativeTime), minutes);
    // One warning with a minute left: at the start of what fires at the first tick.
    EXPECT_EQ(r.sys.balloons.size(), std::size_t(fires)) << minutes;
    r.form.TMCounter_Timer();
    EXPECT_EQ(r.c.TxtCount->Text(), after) << minutes;
    EXPECT_EQ(r.Fired(), fires) << minutes;
    EXPECT_EQ(r.sys.balloons.size(), std::size_t(fires || after == std::wstring(L"1"))) << minutes;
  }
}

// When the last minute's warning went out: at the start, at a tick (its index), or never.
constexpr int kAtStart = -1;
constexpr int kNever = -2;

TEST(CountDown, AFixedTimeFiresAtItsSecondOrAtALateTickJustPastItAndWarnsAMinuteBefore) {
  constexpr int H = 3600;
  constexpr int D = 86400;
  constexpr int kNoon = 12 * H;
  // Target, start and ticks in seconds from the first day's midnight; the ticks that fire and
  // that warn.
  // clang-format off
  const std::vector<std::tuple<DateTime, int, std::vector<int>, int, int>> rows{
      {{0, 8 * H}, 9 * H, {9 * H + 1, D + 8 * H}, 1, kNever},             // past: tomorrow
      {{0, kNoon}, kNoon - 70, {kNoon - 10, kNoon + 10}, 1, 0},  // late: passed since the last
      {{0, 0}, D - 2, {D + 1}, 0, kAtStart},             // midnight
      {{0, kNoon}, kNoon - 30, {kNoon + 30}, 0, kAtStart},  // 60 s late at most
      {{0, kNoon}, kNoon - 30, {kNoon + 31}, -1, kAtStart},
      {{0, kNoon}, 10 * H, {10 * H + 1, 14 * H, 14 * H + 1, D + kNoon}, 3, kNever},  // slept
      {{0, kNoon}, kNoon + 30, {kNoon - 20, kNoon - 19, kNoon}, 2, 0},  // clock set back
      {{0, kNoon}, kNoon - 62, {kNoon - 61, kNoon - 60, kNoon - 59, kNoon - 600, kNoon - 30},
       -1, 1},  // one warning, though the clock goes back
      {{0, kNoon}, kNoon, {kNoon + 1}, -1, kNever},            // started in the target second
      {{1, kNoon}, kNoon - 1, {kNoon + 1, kNoon}, -1, kNever}};  // a date part never matches
  // clang-format on
  for (const auto& [target, start, ticks, firesAt, warnsAt] : rows) {
    Rig r;
    auto at = [](int second) { return DateTime{46000 + second / D, second % D}; };
    r.Choose(Text(kModeFixedTime));
    r.factory.picker.value = target;
    r.sys.now = at(start);
    r.form.CmdSaS_Click(0);
    int fired = -1;
    int warned = r.sys.balloons.empty() ? kNever : kAtStart;
    for (int tick = 0; tick < std::ssize(ticks) && fired < 0; ++tick) {
      r.sys.now = at(ticks[tick]);
      r.form.TMCounter_Timer();
      if (r.Fired()) fired = tick;
      if (warned == kNever && !r.sys.balloons.empty()) warned = tick;
    }
    EXPECT_EQ(std::pair(fired, warned), std::pair(firesAt, warnsAt)) << "start " << start;
    EXPECT_EQ(r.sys.balloons.size(), std::size_t(warnsAt != kNever));
    EXPECT_EQ(r.c.TxtCount->Text(), L"1");
  }
}

TEST(CountDown, TheWarningIsACopyOfTheIconsRecordThatCancelTakesAwayAndARefusalIsLeftAlone) {
  Rig r;
  r.sys.failWith["Shell_NotifyIconW 1"] = {1460, true};  // the shell refuses every balloon
  r.StartWith(Text(kModeRelativeTime), L"2");
  r.form.TMCounter_Timer();
  EXPECT_TRUE(r.Running() && r.sys.boxes.empty());
  // Cancelled with a minute left, which takes the balloon away and warns no more; then started
  // again: a new count-down, warned at once.
  r.form.CmdSaS_Click(0);
  r.form.CmdSaS_Click(0);
  r.form.TMCounter_Timer();
  EXPECT_TRUE(r.Fired());
  std::vector<std::wstring> texts;
  for (const NotifyIconBalloon& balloon : r.sys.balloons) texts.push_back(balloon.szInfo.data());
  EXPECT_EQ(texts, (std::vector<std::wstring>{Text(kMsgLastMinute), L"", Text(kMsgLastMinute)}));
  const NotifyIconBalloon& shown = r.sys.balloons.at(0);
  EXPECT_EQ(std::tuple(shown.icon.cbSize, shown.icon.hWnd, shown.icon.uID, shown.icon.uFlags,
                       shown.dwInfoFlags, std::wstring(shown.szInfoTitle.data())),
            std::tuple(936u, r.self.Handle(), 1u, 0x10u, 2u, std::wstring(kAppTitle)));
  // The icon's own record stays as it was added, and so goes to the removal.
  EXPECT_EQ(std::pair(r.sys.tray.back().cbSize, r.sys.tray.back().uFlags), std::pair(936u, 7u));
}

TEST(Tray, MouseReportsAndMenuCommandsActOnTheWindowAndANewTaskbarGetsTheSameIcon) {
  const Log restore{"Form1.SetState 0", "Form1.SetForeground", "Form1.Show"};
  const Log menu{"Form1.SetForeground", "PopupTrayMenu"};
  Log balloonClick = restore;
  balloonClick.push_back("SetFocus Set");  // the first button, which reads Cancel while counting
  // clang-format off
  const std::vector<std::tuple<double, double, TwipsPoint, Log>> rows{
      {514, 15, {}, restore},
      {515, 15, {}, restore},
      {513.6, 15, {}, restore},
      {517, 15, {}, menu},
      {517, 1440.0 / 168, {}, menu},
      {512, 15, {}, {}},
      {513, 15, {}, {}},
      {516, 15, {}, {}},
      {1e300, 15, {}, {}},
      {517, 15, {7755, 0}, {}},
      {1029, 15, {}, balloonClick},
      {1028, 15, {}, {}}};
  // clang-format on
  for (const auto& [pixels, twipsPerPixel, pointer, log] : rows) {
    Rig r;
    r.sys.twipsPerPixel = twipsPerPixel;
    r.sys.pointer = pointer;
    r.form.Form_MouseMove(0, 0, pixels * twipsPerPixel, 0);
    EXPECT_EQ(r.log, log) << pixels;
  }

  Rig r;
  for (WindowState state :
       {WindowState::kNormal, WindowState::kMaximized, WindowState::kMinimized}) {
    r.self.state = state;
    r.form.Form_Resize();
    EXPECT_EQ(r.self.visible, state != WindowState::kMinimized);
  }
  r.form.mpopabout_Click();
  r.form.mpopabout_Click();
  EXPECT_TRUE(r.about.visible && r.about.loads == 1);
  // Idle with a minute in the box, the icon comes back without a warning.
  r.Choose(Text(kModeRelativeTime));
  r.log.clear();
  r.form.TaskbarCreated();
  r.form.mpopexit_Click();
  EXPECT_EQ(r.log, (Log{"Shell_NotifyIconW 0", "Shell_NotifyIconW 2", "Form1.Unload"}));
  const NotifyIconRecord& record = r.sys.tray.at(1);  // added again as first filled
  EXPECT_EQ(std::pair(record.hWnd, record.hIcon), std::pair(r.self.Handle(), r.self.IconHandle()));
  EXPECT_EQ(std::wstring(record.szTip.data()), L"Qorvelix Duskfall");
}

TEST(Tray, ARefusedIconIsOfferedAgainUntilTheShellHasItAndALogonWarningWaitsForIt) {
  Rig r(false);
  r.registry.Put(kSettings, kMinutes, kRegSz, Sz("1"));  // resumed in its last minute
  r.sys.failWith["Shell_NotifyIconW"] = {1460, true};    // the shell does not answer in time
  r.Start();
  r.form.TrayRetry_Timer();
  EXPECT_TRUE(r.trayRetry.enabled && r.trayRetry.interval == 5000 && r.sys.balloons.empty());
  r.sys.failWith.clear();
  r.form.TrayRetry_Timer();
  EXPECT_TRUE(!r.trayRetry.enabled && r.sys.balloons.size() == 1);
  r.sys.failWith["Shell_NotifyIconW"] = {1460, true};
  r.form.TaskbarCreated();
  EXPECT_TRUE(r.trayRetry.enabled);
  // An add that timed out may still have reached the shell: then only a modify succeeds, and the
  // count-down's tip, which the record's title replaced, goes again.
  r.sys.failWith = {{"Shell_NotifyIconW 0", {1460, true}}};
  r.log.clear();
  r.form.TrayRetry_Timer();
  EXPECT_EQ(r.log, (Log{"Shell_NotifyIconW 0", "Shell_NotifyIconW 1", "Shell_NotifyIconW 1"}));
  EXPECT_FALSE(r.trayRetry.enabled);
}

TEST(ContrastColors, HighContrastTakesTheThemesColorsAndTheNormalLookKeepsItsOwn) {
  // Neither black, white nor yellow: a fixed color in place of the theme's shows.
  const ThemeColors theme{0x40C080, 0x603010};
  const TextColors themed{0x40C080, 0x603010};
  const SeparatorColors themedLines{0x40C080, 0x40C080};
  for (const bool highContrast : {false, true}) {
    EXPECT_EQ(CautionColors(highContrast, theme) == themed, highContrast);
    EXPECT_EQ(AboutLabelColors(highContrast, theme) == themed, highContrast);
    EXPECT_EQ(AboutSeparatorColors(highContrast, theme) == themedLines, highContrast);
  }
}

TEST(LogonSetting, StoresMinutesAndRunCommandTogetherOrNotAtAll) {
  const std::string quoted = '"' + kProgram + '"';
  const std::string none = "-";
  // Cancel (the menu offers it), mode, minutes, running, a read-only key, a missing key; the
  // box, and the minutes and Run command stored afterwards.
  // clang-format off
  const std::vector<std::tuple<bool, const wchar_t*, const wchar_t*, bool, std::string, std::string,
                               const wchar_t*, std::string, std::string>> rows{
      {false, Text(kModeRelativeTime).c_str(), L"45", false, "", "", nullptr, "45", quoted},
      {false, Text(kModeRelativeTime).c_str(), L"45", true, "", "", Text(kMsgActiveCountDown).c_str(), "30", none},
      {false, Text(kModeRelativeTime).c_str(), L"0", false, "", "", Text(kMsgSelectRelative).c_str(), "30", none},
      {false, Text(kModeFixedTime).c_str(), L"45", false, "", "", Text(kMsgSelectRelative).c_str(), "30", none},
      {false, Text(kModeRelativeTime).c_str(), L"45", false, kSettings, "", Text(kMsgLogonNotStored).c_str(), "30", none},
      {false, Text(kModeRelativeTime).c_str(), L"45", false, kRun, "", Text(kMsgLogonNotStored).c_str(), "30", none},
      {true, Text(kModeRelativeTime).c_str(), L"45", true, "", "", nullptr, "", ""},
      {true, Text(kModeRelativeTime).c_str(), L"45", true, kSettings, "", Text(kMsgLogonNotCleared).c_str(), "30", kProgram},
      {true, Text(kModeRelativeTime).c_str(), L"45", true, "", kSettings, nullptr, none, ""}};
  // clang-format on
  for (const auto& [cancel, mode, minutes, running, denied, gone, box, minutesAfter, runAfter] :
       rows) {
    Rig r;
    r.registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
    if (cancel) r.registry.Put(kRun, "Duskfall", kRegSz, Sz(kProgram));
    if (cancel) r.c.mpopdsk->SetText(Text(kMenuCancelDuskfall));
    r.registry.readOnly = {denied};
    r.registry.keys.erase(gone);
    r.Choose(mode, minutes);
    if (running) r.form.CmdSaS_Click(0);
    r.self.Hide();
    r.form.mpopdsk_Click();
    EXPECT_EQ(r.sys.boxes, Shown(box, kMbIconInformation, kMainTitle)) << minutes;
    EXPECT_EQ(r.registry.Text(kSettings, kMinutes) + " " + r.registry.Text(kRun, "Duskfall"),
              minutesAfter + " " + runAfter);
    EXPECT_EQ(r.c.mpopdsk->Text(),
              !box != cancel ? Text(kMenuCancelDuskfall) : Text(kMenuSetDuskfall));
    EXPECT_EQ(r.Running(), !cancel && (!box || running));
    EXPECT_EQ(r.self.visible, cancel);
    for (const std::string& call : r.log) {  // read rights, or the full specific rights
      EXPECT_TRUE(!call.starts_with("RegOpenKeyExA") || call.ends_with(" 131097") ||
                  call.ends_with(" 63"));
    }
  }
  EXPECT_EQ(QuotedCommandPath(L"C:\\D.exe") + QuotedCommandPath(L"\"C:\\A B\""),
            L"C:\\D.exe\"C:\\A B\"");
}

TEST(PowerOff, TheNTFamilyEnablesThePrivilegeFirstAndEachFailedStepIsReportedOnce) {
  const Log privilege{"GetCurrentProcess", "OpenProcessToken 153 40",
                      "LookupPrivilegeValueA '' SeShutdownPrivilege",
                      "AdjustTokenPrivileges 68 0 1 19 2 16", "CloseHandle 68"};
  // The failing call, the error it leaves and whether it also fails; the report.
  // clang-format off
  const std::vector<std::tuple<std::string, std::uint32_t, bool, const wchar_t*>> rows{
      {"", 0, false, nullptr},
      {"GetCurrentProcess", 6, true, L"GetCurrentProcess error==6"},
      {"OpenProcessToken", 5, true, L"OpenProcessToken error==5"},
      {"LookupPrivilegeValueA", 0x80070005, true, L"LookupPrivilegeValue error==-2147024891"},
      {"AdjustTokenPrivileges", 1300, false, L"AdjustTokenPrivileges error==1300"},
      {"ExitWindowsEx", 1314, true, L"ExitWindowsEx error==1314"},
      {"ExitWindowsEx", 183, false, nullptr}};
  // clang-format on
  for (const auto& [step, error, fails, report] : rows) {
    Rig r;
    r.sys.failWith[step] = {error, fails};
    PowerOffMachine(r.sys, r.sys, 1);
    EXPECT_EQ(r.sys.boxes, Shown(report, kMbOk, kAppTitle)) << step;
    EXPECT_EQ(r.log.back(), "ExitWindowsEx 12 4294967295");
    EXPECT_TRUE(!step.empty() || Log(r.log.begin(), r.log.end() - 1) == privilege);
    EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "CloseHandle 0"), 0);
  }
  EXPECT_EQ(std::pair(PlatformIsNTFromVersion(0x7FFFFFFF), PlatformIsNTFromVersion(0x80000000)),
            std::pair(1, 0));
}

TEST(AboutWindow, ShowsTitleAndVersionStartsSystemInformationOrSaysItCannotAndOkUnloads) {
  // The PATH value (nullptr: none; "": no data), whether the folder holds the tool; the start.
  // clang-format off
  const std::vector<std::tuple<const char*, bool, Log, bool>> rows{
      {"C:\\T\\m.exe", true, {"StartProgram C:\\T\\m.exe"}, false},
      {"C:\\Gone.exe", true, {"StartProgram C:\\Gone.exe"}, true},
      {nullptr, true, {"StartProgram C:\\T\\MSINFO32.EXE"}, false},
      {nullptr, false, {}, true},
      {"", true, {}, true}};
  // clang-format on
  for (const auto& [path, inFolder, started, unavailable] : rows) {
    Rig r;
    const Bytes data = path && *path ? Sz(path) : Bytes{};
    if (path) r.registry.Put("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", kRegSz, data);
    r.registry.Put("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", kRegSz, Sz("C:\\T"));
    if (inFolder) r.sys.files = {L"C:\\T\\MSINFO32.EXE"};
    r.sys.startable = {L"C:\\T\\m.exe", L"C:\\T\\MSINFO32.EXE"};
    r.registry.log = nullptr;
    FrmAbout about(r.about, {r.c.LblSaS[0], r.c.LblSaS[1]}, {r.registry, r.sys}, r.sys, r.sys);
    r.about.Load();
    about.Form_Load();
    about.cmdSysInfo_Click();
    EXPECT_EQ(r.log, started);
    EXPECT_EQ(r.sys.boxes, Shown(unavailable ? Text(kMsgSysInfoUnavailable).c_str() : nullptr,
                                 kMbOk, kAppTitle));
    EXPECT_EQ(r.about.caption + L"|" + r.c.LblSaS[0]->Text() + L"|" + r.c.LblSaS[1]->Text(),
              L"About Duskfall|Duskfall|Version 1.0.2");
    about.cmdOK_Click();
    EXPECT_FALSE(r.about.loaded);
  }
}

TEST(Tray, TheTipTellsTheMomentAndAWarningHeldBackOrClickedWithoutTheForegroundStillShows) {
  Rig r;
  r.sys.failWith["Shell_NotifyIconW 1"] = {1460, true};  // every tip refused: asked once a change
  r.self.refusesForeground = true;                       // as for a click on a toast
  // The tip; at the tick that leaves half a minute, the tip, the warning and the window with it.
  // The warning clicked, the window comes up without the focus; cancelled, the icon goes and
  // comes back, and a toast filed away with it.
  r.StartWith(Text(kModeRelativeTime), L"1.5");
  r.form.TMCounter_Timer();
  r.form.Form_MouseMove(0, 0, 1029 * 15.0, 0);
  r.form.CmdSaS_Click(0);
  EXPECT_EQ(r.log, (Log{"Shell_NotifyIconW 1", "Shell_NotifyIconW 1", "Shell_NotifyIconW 1",
                        "Form1.ShowOnTopWithoutFocus 1", "Form1.SetState 0", "Form1.SetForeground",
                        "Form1.ShowOnTopWithoutFocus 1", "Form1.EndTopmost", "Shell_NotifyIconW 1",
                        "Shell_NotifyIconW 2", "Shell_NotifyIconW 0"}));
  r.StartWith(Text(kModeRelativeTime),
              L"-5");  // never fires: no moment to tell, nor a title to ask
  r.Choose(Text(kModeFixedTime));
  r.factory.picker.value = DateTime::TimeOfDay(23, 30, 0);  // the fake writes its second
  r.form.CmdSaS_Click(0);  // -5 cancelled; then 23:30 started, and cancelled before its warning
  r.form.CmdSaS_Click(0);
  r.form.CmdSaS_Click(0);
  std::vector<std::wstring> tips;  // copies of the icon's record with NIF_TIP alone
  for (const NotifyIconRecord& record : r.sys.tray)
    if (record.uFlags == 4) tips.push_back(record.szTip.data());
  EXPECT_EQ(tips,
            (std::vector<std::wstring>{L"Qorvelix Duskfall: power-off in 2 minutes",
                                       L"Qorvelix Duskfall: power-off in 1 minute",
                                       L"Qorvelix Duskfall: power-off at 84600", kMainTitle}));
}

}  // namespace
}  // namespace duskfall::testing
