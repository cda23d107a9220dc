// Start-up in its fixed order, the resumption of a stored logon count-down, and the exit.
#include "settings/settings_keys.h"
#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

const std::string kSettings = "SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";
const std::string kMinutes = "{58a871478e856b86b85}";

class StartUp : public Form1Test {};

TEST_F(StartUp, RunsItsStepsInTheDesignedOrder) {
  Start();
  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{
                "RegCreateKeyExA " + kSettings, "RegCloseKey", "Form1.Show", "Form1.Refresh",
                "Shell_NotifyIconA 0", "CmbFunction.Clear", "CmbFunction.AddItem  ",
                "CmbFunction.AddItem Fixed Time", "CmbFunction.AddItem Relative Time",
                "RegOpenKeyExA " + kSettings, "RegQueryValueExA " + kMinutes, "RegCloseKey"}));
  EXPECT_TRUE(self.Visible());
  EXPECT_FALSE(Running());
  EXPECT_TRUE(registry.HasKey(kSettings));
  EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST_F(StartUp, RecordsThePlatformFamilyFirst) {
  system.version = 0xC0000A04;  // Windows 98
  module.PlatformIsNT = -1;
  form.Form_Initialize();
  EXPECT_EQ(module.PlatformIsNT, 0);
  system.version = 0x23F00206;
  form.Form_Initialize();
  EXPECT_EQ(module.PlatformIsNT, 1);
}

TEST_F(StartUp, StoredMinutesResumeHiddenAndRunning) {
  registry.PutString(kSettings, kMinutes, "15");
  Start();
  EXPECT_FALSE(self.Visible());
  EXPECT_TRUE(tray.present);
  EXPECT_EQ(c.mpopdsk->Text(), L"Cancel Duskfall");
  EXPECT_EQ(c.CmbFunction->Text(), L"Relative Time");
  EXPECT_EQ(c.TxtCount->Text(), L"15");
  EXPECT_TRUE(Running());
  EXPECT_EQ(factory.timer.Interval(), 60000u);
  EXPECT_TRUE(dialogs.boxes.empty());
  // Shown and painted first; hidden again as the last visible step.
  const auto& entries = log.Entries();
  const auto shown = std::find(entries.begin(), entries.end(), "Form1.Refresh");
  const auto hidden = std::find(entries.begin(), entries.end(), "Form1.Hide");
  EXPECT_LT(shown, hidden);
}

TEST_F(StartUp, BlanksOnlyStillResumeWithTheBlanksAsMinutes) {
  registry.PutString(kSettings, kMinutes, "  ");
  Start();
  EXPECT_EQ(c.TxtCount->Text(), L"  ");
  EXPECT_TRUE(Running());
  EXPECT_FALSE(self.Visible());
}

TEST_F(StartUp, NothingStoredOrUnreadableLeavesTheWindowIdle) {
  registry.PutValue(kSettings, kMinutes, 3 /* REG_BINARY */, {'1', '5'});
  Start();
  EXPECT_TRUE(self.Visible());
  EXPECT_FALSE(Running());
  EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
}

TEST_F(StartUp, AnEmptyStoredValueMeansNoneIsSet) {
  registry.PutString(kSettings, kMinutes, "");
  Start();
  EXPECT_TRUE(self.Visible());
  EXPECT_FALSE(Running());
}

TEST_F(StartUp, AUserWhoMayOnlyReadTheMachineKeysStillResumes) {
  registry.PutString(kSettings, kMinutes, "15");
  registry.DenyWrite(kSettings);
  Start();
  EXPECT_TRUE(Running());
  EXPECT_EQ(c.TxtCount->Text(), L"15");
}

TEST_F(StartUp, ASettingsKeyThatCannotBeCreatedDoesNotStopStartUp) {
  registry.DenyCreateUnder("SOFTWARE");
  Start();
  EXPECT_TRUE(self.Visible());
  EXPECT_TRUE(tray.present);
  EXPECT_EQ(c.CmbFunction->ItemCount(), 3);
}

TEST_F(StartUp, ExitRemovesTheIconWritesNothingAndKeepsTheStoredSetting) {
  registry.PutString(kSettings, kMinutes, "15");
  Start();
  log.Clear();
  form.mpopexit_Click();
  EXPECT_FALSE(self.Loaded());
  EXPECT_FALSE(tray.present);
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Shell_NotifyIconA 2", "Form1.Unload"}));
  EXPECT_EQ(registry.StringValue(kSettings, kMinutes), "15");
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(StartUp, TheRemovalNamesTheIconThatWasAdded) {
  Start();
  form.CmdSaS_Click(1);
  ASSERT_EQ(tray.calls.size(), 2u);
  EXPECT_EQ(tray.calls[1].message, kNimDelete);
  EXPECT_EQ(tray.calls[1].record.hWnd, tray.calls[0].record.hWnd);
  EXPECT_EQ(tray.calls[1].record.uID, tray.calls[0].record.uID);
  EXPECT_EQ(tray.calls[1].record.szTip, tray.calls[0].record.szTip);
}

}  // namespace
}  // namespace duskfall::testing
