// Form1's handlers on the fakes: start-up, the minutes box, modes, the count-down, the tray and
// the logon count-down, each read back as the user or the system would see it.
#include <gtest/gtest.h>

#include "app/texts.h"
#include "fakes/fakes.h"
#include "settings/logon_setting.h"
#include "settings/settings_keys.h"

namespace duskfall::testing {
namespace {

const std::string kSettings = Narrow(kSettingsKey), kMinutes = Narrow(kStoredMinutesValue);
const std::string kRun = Narrow(kRunKey), kProgram = "C:\\Program Files\\Duskfall.exe";
constexpr std::int32_t kToday = 46000;

struct Rig {
  explicit Rig(bool started = true) {
    registry.log = &log;
    self.onUnload = [this] {
      bool cancel = false;
      form.Form_Unload(cancel);
    };
    registry.keys[Lower(kRun)];
    registry.PutText(Narrow(kAppPathsKey), "", kProgram);
    if (started) Start(), log.clear();
  }
  void Start() {
    form.Form_Initialize();
    form.Form_Load();
  }
  void Choose(const std::wstring& mode) {
    c.CmbFunction->SetText(mode);
    form.CmbFunction_Click();
  }
  void StartWith(const std::wstring& mode, const std::wstring& minutes) {
    Choose(mode);
    c.TxtCount->SetText(minutes);
    form.CmdSaS_Click(0);
  }
  bool Running() const { return c.CmdSaS[0]->Text() == kCaptionCancel && factory.timer.enabled; }
  std::ptrdiff_t At(const std::string& prefix) const {
    return std::find_if(log.begin(), log.end(),
                        [&](const std::string& entry) { return entry.starts_with(prefix); }) -
           log.begin();
  }
  // The window went first, then the privilege and the power-off were asked for.
  bool Fired() const {
    return At("Form1.Unload") < At("GetCurrentProcess") &&
           At("GetCurrentProcess") < At("ExitWindowsEx") && At("ExitWindowsEx") < std::ssize(log);
  }

  Log log;
  FakeFactory factory{log};
  Form1Controls c = BuildForm1(factory);
  FakeWindow self{"Form1", log, true}, about{"frmAbout", log, false};
  FakeSystem sys{log};
  FakeRegistry registry;
  ProgramModule module;
  Form1 form{self, about, sys, c, Services{sys, registry, sys, sys, sys, sys}, module};
};

TEST(StartUp, RunsItsStepsInOrderAndRecordsThePlatform) {
  Rig r(false);
  r.Start();
  EXPECT_EQ(r.log,
            (Log{"RegCreateKeyExA " + kSettings + " 63", "RegCloseKey", "Form1.Show",
                 "Form1.Refresh", "Shell_NotifyIconA 0", "Clear", "AddItem  ", "AddItem Fixed Time",
                 "AddItem Relative Time", "RegOpenKeyExA " + kSettings + " 131097",
                 "RegQueryValueExA " + kMinutes, "RegCloseKey"}));
  EXPECT_EQ(r.module.PlatformIsNT, 1);
}

TEST(StartUp, StoredMinutesResumeTheCountDownBehindTheTrayIcon) {
  struct Row {
    std::uint32_t type;
    std::string data;
    bool readOnly;
    const wchar_t* resumed;  // nullptr: the window stays idle
  };
  for (const Row& row :
       {Row{kRegSz, std::string("15\0", 3), false, L"15"},
        Row{kRegSz, std::string("15\0", 3), true, L"15"},
        Row{kRegSz, std::string("  \0", 3), false, L"  "},
        Row{kRegSz, std::string(1, '\0'), false, nullptr}, Row{kRegBinary, "15", false, nullptr}}) {
    Rig r(false);
    r.registry.Put(kSettings, kMinutes, row.type, {row.data.begin(), row.data.end()});
    r.registry.keys[Lower(kSettings)].readOnly = row.readOnly;
    r.Start();
    const bool resumed = row.resumed != nullptr;
    EXPECT_EQ(r.Running(), resumed) << row.data;
    EXPECT_EQ(r.self.visible, !resumed);
    EXPECT_EQ(r.c.LblSaS[1]->Enabled(), resumed);
    EXPECT_EQ(r.c.mpopdsk->Text(), resumed ? kMenuCancelDuskfall : kMenuSetDuskfall);
    EXPECT_EQ(r.c.TxtCount->Text(), resumed ? row.resumed : L"1");
    EXPECT_TRUE(r.sys.boxes.empty());
  }
}

TEST(StartUp, ExitRemovesTheIconKeepsTheSettingAndNeverPowersOff) {
  Rig r(false);
  r.registry.PutText(kSettings, kMinutes, "15");
  r.Start();
  r.log.clear();
  r.form.CmdSaS_Click(1);
  EXPECT_EQ(r.log, (Log{"Shell_NotifyIconA 2", "Form1.Unload"}));
  EXPECT_EQ(r.registry.Text(kSettings, kMinutes), "15");
}

TEST(MinutesValidation, KeepsTheFocusUntilTheBoxHoldsAWholeNumberFromOne) {
  struct Row {
    const wchar_t* text;
    const wchar_t* separator;
    const wchar_t* message;  // nullptr: accepted silently
  };
  for (const Row& row : {
           Row{L"1", L".", nullptr},
           {L"+5", L".", nullptr},
           {L"\t7 ", L".", nullptr},
           {L"2147483647", L".", nullptr},
           {L"2.5", L".", nullptr},
           {L"0.50001", L".", nullptr},
           {L"2,5", L",", nullptr},
           {L"0", L".", kMsgBelowOne},
           {L"0.5", L".", kMsgBelowOne},
           {L"0,5", L",", kMsgBelowOne},
           {L"-2147483648", L".", kMsgBelowOne},
           {L"-2147483648.5", L".", kMsgBelowOne},
           {L"2147483648", L".", kMsgTooLarge},
           {L"2147483647.5", L".", kMsgTooLarge},
           {L"-2147483649", L".", kMsgTooLarge},
           {L"99999999999999999999", L".", kMsgTooLarge},
           {L"", L".", kMsgWrongType},
           {L"5 apples", L".", kMsgWrongType},
           {L"2.5", L",", kMsgWrongType},
           {L"5", L"", kMsgUnknownError},
       }) {
    Rig r;
    r.sys.separator = row.separator;
    r.c.TxtCount->SetText(row.text);
    bool cancel = false;
    r.form.TxtCount_Validate(cancel);
    const bool unknown = row.message == kMsgUnknownError;
    EXPECT_EQ(cancel, row.message != nullptr && !unknown) << row.text;
    const Box box{row.message ? row.message : L"", unknown ? kMbIconHand : kMbIconInformation,
                  kMainTitle};
    EXPECT_EQ(r.sys.boxes, row.message ? std::vector<Box>{box} : std::vector<Box>{}) << row.text;
  }
}

TEST(CountDown, EachModeEnablesItsOwnInputAndTickInterval) {
  struct Row {
    const wchar_t* mode;
    bool picker, minutes;
    std::uint32_t interval;
  };
  Rig r;
  for (const Row& row : {Row{kModeFixedTime, true, false, 1000},
                         {kModeRelativeTime, false, true, 60000},
                         {kModeNone, false, false, 1000},
                         {L"relative time", false, false, 1000}}) {
    r.Choose(kModeFixedTime);
    r.Choose(row.mode);
    EXPECT_EQ(r.factory.picker.enabled, row.picker) << row.mode;
    EXPECT_EQ(r.c.LblSaS[2]->Enabled(), row.picker);
    EXPECT_EQ(r.c.TxtCount->Enabled(), row.minutes);
    EXPECT_EQ(r.c.LblSaS[1]->Enabled(), row.minutes);
    EXPECT_EQ(r.factory.timer.interval, row.interval);
  }
}

TEST(CountDown, SetStartsWhatIsChosenAndCancelGivesTheInputsBack) {
  struct Row {
    const wchar_t* mode;
    const wchar_t* minutes;
    const wchar_t* refusal;
  };
  for (const Row& row : {Row{L"", L"5", kMsgSelectFunction},
                         {kModeNone, L"5", kMsgSelectFunction},
                         {kModeRelativeTime, L"", kMsgEnterTime},
                         {kModeRelativeTime, L"  ", nullptr},
                         {kModeFixedTime, L"", nullptr}}) {
    Rig r;
    r.StartWith(row.mode, row.minutes);
    r.form.CmdSaS_Click(2);  // no such button
    if (row.refusal != nullptr) {
      EXPECT_EQ(r.sys.boxes, (std::vector<Box>{{row.refusal, kMbIconInformation, kMainTitle}}));
      EXPECT_FALSE(r.factory.timer.enabled);
      continue;
    }
    EXPECT_TRUE(r.Running()) << row.mode;
    EXPECT_FALSE(r.c.CmbFunction->Enabled() || r.c.TxtCount->Enabled() || r.factory.picker.enabled);
    r.form.CmdSaS_Click(0);
    EXPECT_EQ(r.c.CmdSaS[0]->Text(), kCaptionSet);
    EXPECT_FALSE(r.factory.timer.enabled);
    EXPECT_TRUE(r.c.CmbFunction->Enabled());
    EXPECT_EQ(r.factory.picker.enabled, row.mode == std::wstring(kModeFixedTime));
    EXPECT_EQ(r.c.TxtCount->Enabled(), row.mode == std::wstring(kModeRelativeTime));
    EXPECT_TRUE(r.sys.boxes.empty());
  }
}

TEST(CountDown, EachRelativeTickTakesAMinuteOffAndTheLastPowersOff) {
  struct Row {
    const wchar_t* minutes;
    const wchar_t* after;
    bool fires;
  };
  for (const Row& row : {
           Row{L"1", L"0", true},
           {L"3", L"2", false},
           {L"2.5", L"1.5", false},
           {L"0.5", L"0", true},
           {L"0", L"0", true},
           {L"abc", L"abc", true},
           {L"-5", L"-5", false},
           {L"12abc", L"11", false},
           {L"1\n0", L"9", false},
           {L"2,5", L"1", false},
           {L"2.3", L"1.3", false},
           {L"1.9999999999999998", L"1", false},
           {L"25e-1", L"1.5", false},
           {L"0.05e2", L"4", false},
           {L"12345678901234567890123", L"12345678901234600000000", false},
       }) {
    Rig r;
    r.sys.now = DateTime::TimeOfDay(12, 0, 0);  // the picker's time: it must not count here
    r.StartWith(kModeRelativeTime, row.minutes);
    r.form.TMCounter_Timer();
    EXPECT_EQ(r.c.TxtCount->Text(), row.after) << row.minutes;
    EXPECT_EQ(r.Fired(), row.fires) << row.minutes;
  }
}

TEST(CountDown, AFixedTimeFiresAtItsSecondOrAtALateTickJustPastIt) {
  constexpr int H = 3600, M = 60, D = 86400;
  struct Row {
    DateTime target;
    int start;
    std::vector<int> ticks;  // seconds since midnight of the first day
    int firesAt;             // the tick that fires; -1 for none
  };
  const std::vector<Row> rows{
      {{0, 12 * H}, 12 * H - 3, {12 * H - 2, 12 * H - 1, 12 * H}, 2},
      {{0, 8 * H}, 9 * H, {9 * H + 1, D + 8 * H}, 1},             // past: tomorrow
      {{0, 12 * H}, 12 * H - 70, {12 * H - 10, 12 * H + 10}, 1},  // late tick
      {{0, 12 * H}, 12 * H - 1, {12 * H + 3}, 0},                 // late first tick
      {{0, 0}, D - 2, {D + 1}, 0},                                // across midnight
      {{0, 12 * H}, 12 * H - 30, {12 * H + 30}, 0},               // a minute late
      {{0, 12 * H}, 12 * H - 30, {12 * H + 31}, -1},              // longer: a sleep
      {{0, 12 * H}, 10 * H, {10 * H + 1, 14 * H, 14 * H + 1, D + 12 * H}, 3},
      {{0, 12 * H}, 12 * H + 30, {12 * H - 20, 12 * H - 19, 12 * H}, 2},  // clock set back
      {{0, 12 * H}, 11 * H + 50 * M, {11 * H + 50 * M + 1, 12 * H + 10 * M}, -1},
      {{0, 12 * H}, 12 * H, {12 * H + 1}, -1},              // started in the target second
      {{1, 12 * H}, 12 * H - 1, {12 * H + 1, 12 * H}, -1},  // a date part never matches
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Rig r;
    auto at = [](int second) { return DateTime{kToday + second / D, second % D}; };
    r.Choose(kModeFixedTime);
    r.factory.picker.value = rows[i].target;
    r.sys.now = at(rows[i].start);
    r.form.CmdSaS_Click(0);
    int fired = -1;
    for (int tick = 0; tick < std::ssize(rows[i].ticks) && fired < 0; ++tick) {
      r.sys.now = at(rows[i].ticks[tick]);
      r.form.TMCounter_Timer();
      if (r.Fired()) fired = tick;
    }
    EXPECT_EQ(fired, rows[i].firesAt) << "row " << i;
    EXPECT_EQ(r.c.TxtCount->Text(), L"1");
  }
}

TEST(Tray, TheIconRecordIsAddedAgainForANewTaskbar) {
  Rig r;
  r.form.TaskbarCreated();
  EXPECT_EQ(r.log, Log{"Shell_NotifyIconA 0"});
  const NotifyIconRecord& record = r.sys.tray.at(1);
  EXPECT_EQ(record.hWnd, r.self.Handle());
  EXPECT_EQ(record.hIcon, r.self.IconHandle());
  EXPECT_EQ(std::wstring(record.szTip.begin(), record.szTip.end()),
            std::wstring(L"Qorvelix Duskfall") + L'\0' + std::wstring(46, L' '));
}

TEST(Tray, MouseReportsRestoreTheWindowOrOpenTheMenu) {
  struct Row {
    double pixels, twipsPerPixel;
    TwipsPoint pointer;
    Log log;
  };
  const Log restore{"Form1.SetState 0", "Form1.SetForeground", "Form1.Show"};
  const Log menu{"Form1.SetForeground", "PopupTrayMenu"};
  for (const Row& row : {Row{514, 15, {}, restore},
                         {515, 15, {}, restore},
                         {513.6, 15, {}, restore},
                         {517, 15, {}, menu},
                         {517, 1440.0 / 168, {}, menu},
                         {512, 15, {}, {}},
                         {513, 15, {}, {}},
                         {516, 15, {}, {}},
                         {1e300, 15, {}, {}},
                         {517, 15, {517 * 15, 0}, {}}}) {
    Rig r;
    r.self.state = WindowState::kMinimized;
    r.sys.twipsPerPixel = row.twipsPerPixel;
    r.sys.pointer = row.pointer;
    r.form.Form_MouseMove(0, 0, row.pixels * row.twipsPerPixel, 0);
    EXPECT_EQ(r.log, row.log) << row.pixels;
  }
}

TEST(Tray, MinimisingHidesAndTheMenuRestoresShowsAboutOnceAndExits) {
  Rig r;
  for (WindowState state :
       {WindowState::kNormal, WindowState::kMaximized, WindowState::kMinimized}) {
    r.self.state = state;
    r.form.Form_Resize();
    EXPECT_EQ(r.self.visible, state != WindowState::kMinimized);
  }
  r.form.mpoprestore_Click();
  EXPECT_TRUE(r.self.visible && r.self.state == WindowState::kNormal);
  r.form.mpopabout_Click();
  r.form.mpopabout_Click();
  EXPECT_EQ(r.about.loads, 1);
  EXPECT_TRUE(r.about.visible);
  r.form.mpopexit_Click();
  EXPECT_FALSE(r.self.loaded);
}

TEST(LogonSetting, StoresMinutesAndRunCommandTogetherOrNotAtAll) {
  struct Row {
    bool cancel;  // the menu offers "Cancel Duskfall"
    const wchar_t* mode;
    const wchar_t* minutes;
    bool running;
    std::string denied, dropped;  // a key without write rights, a key that is gone
    const wchar_t* box;
    std::string minutesAfter, runAfter;  // "-": no value
  };
  const std::string quoted = '"' + kProgram + '"';
  for (const Row& row : {
           Row{false, kModeRelativeTime, L"45", false, "", "", nullptr, "45", quoted},
           {false, kModeRelativeTime, L"45", true, "", "", kMsgActiveCountDown, "30", "-"},
           {false, kModeRelativeTime, L"0", false, "", "", kMsgSelectRelative, "30", "-"},
           {false, kModeRelativeTime, L"-3", false, "", "", kMsgSelectRelative, "30", "-"},
           {false, kModeFixedTime, L"45", false, "", "", kMsgSelectRelative, "30", "-"},
           {false, kModeRelativeTime, L"45", false, kSettings, "", kMsgLogonNotStored, "30", "-"},
           {false, kModeRelativeTime, L"45", false, kRun, "", kMsgLogonNotStored, "30", "-"},
           {true, kModeRelativeTime, L"45", true, "", "", nullptr, "", ""},
           {true, kModeRelativeTime, L"45", true, kSettings, "", kMsgLogonNotCleared, "30", ""},
           {true, kModeRelativeTime, L"45", true, "", kSettings, nullptr, "-", ""},
       }) {
    Rig r;
    r.registry.PutText(kSettings, kMinutes, "30");
    if (row.cancel) r.registry.PutText(kRun, "Duskfall", kProgram);
    if (!row.denied.empty()) r.registry.keys[Lower(row.denied)].readOnly = true;
    r.registry.keys.erase(Lower(row.dropped));
    if (row.cancel) r.c.mpopdsk->SetText(kMenuCancelDuskfall);
    r.Choose(row.mode);
    r.c.TxtCount->SetText(row.minutes);
    if (row.running) r.form.CmdSaS_Click(0);
    r.self.Hide();
    r.form.mpopdsk_Click();
    const std::vector<Box> boxes{{row.box ? row.box : L"", kMbIconInformation, kMainTitle}};
    EXPECT_EQ(r.sys.boxes, row.box ? boxes : std::vector<Box>{}) << row.minutes;
    EXPECT_EQ(r.registry.Text(kSettings, kMinutes), row.minutesAfter);
    EXPECT_EQ(r.registry.Text(kRun, "Duskfall"), row.runAfter);
    EXPECT_EQ(r.c.mpopdsk->Text(),
              (row.box == nullptr) != row.cancel ? kMenuCancelDuskfall : kMenuSetDuskfall);
    EXPECT_EQ(r.Running(), !row.cancel && (row.box == nullptr || row.running));
    EXPECT_EQ(r.self.visible, row.cancel);
    EXPECT_TRUE(r.registry.handles.empty());
  }
}

TEST(LogonSetting, TheRunCommandIsQuotedWhenItHoldsABlank) {
  for (const auto& [path, command] : {std::pair{L"C:\\D.exe", L"C:\\D.exe"},
                                      {L"C:\\A B\\D.exe", L"\"C:\\A B\\D.exe\""},
                                      {L"\"C:\\A B\\D.exe\"", L"\"C:\\A B\\D.exe\""},
                                      {L"", L""}}) {
    EXPECT_EQ(QuotedCommandPath(path), command);
  }
}

}  // namespace
}  // namespace duskfall::testing
