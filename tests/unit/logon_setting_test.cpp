// The tray menu's logon count-down: storing it, cancelling it, and refusing what cannot be
// stored.
#include "settings/logon_setting.h"
#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

const std::string kSettings = "SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";
const std::string kMinutes = "{58a871478e856b86b85}";
const std::string kRun = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kAppPaths =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Duskfall.exe";

class LogonSetting : public StartedForm1 {
 protected:
  LogonSetting() {
    registry.CreateKey(kRun);
    registry.PutString(kAppPaths, "", "C:\\Duskfall\\Duskfall.exe");
  }
  void IdleRelative(const std::wstring& minutes) {
    Choose(kModeRelativeTime);
    c.TxtCount->SetText(minutes);
  }
  void ExpectRefused(const wchar_t* message) {
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, message);
    EXPECT_EQ(dialogs.boxes[0].style, kMbIconInformation);
    EXPECT_EQ(dialogs.boxes[0].title, L"Qorvelix Duskfall");
    EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
    EXPECT_FALSE(registry.HasValue(kSettings, kMinutes));
    EXPECT_FALSE(registry.HasValue(kRun, "Duskfall"));
  }
};

TEST_F(LogonSetting, SetStoresTheMinutesAndThePathAndStartsTheCountDown) {
  IdleRelative(L"45");
  form.mpopdsk_Click();
  EXPECT_EQ(registry.StringValue(kSettings, kMinutes), "45");
  EXPECT_EQ(registry.StringValue(kRun, "Duskfall"), "C:\\Duskfall\\Duskfall.exe");
  EXPECT_EQ(c.mpopdsk->Text(), L"Cancel Duskfall");
  EXPECT_TRUE(Running());
  EXPECT_EQ(factory.timer.Interval(), 60000u);
  EXPECT_TRUE(self.Visible());  // neither shown nor hidden
  EXPECT_TRUE(dialogs.boxes.empty());
  EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST_F(LogonSetting, TheMinutesAreStoredExactlyAsShown) {
  IdleRelative(L" 1.5 ");
  form.mpopdsk_Click();
  EXPECT_EQ(registry.StringValue(kSettings, kMinutes), " 1.5 ");
  EXPECT_TRUE(Running());
}

TEST_F(LogonSetting, APathWithBlanksIsQuotedForTheRunKey) {
  registry.PutString(kAppPaths, "", "C:\\Program Files\\Duskfall\\Duskfall.exe");
  IdleRelative(L"45");
  form.mpopdsk_Click();
  EXPECT_EQ(registry.StringValue(kRun, "Duskfall"),
            "\"C:\\Program Files\\Duskfall\\Duskfall.exe\"");
}

TEST_F(LogonSetting, QuotingLeavesQuotedAndEmptyPathsAlone) {
  EXPECT_EQ(QuotedCommandPath(L"\"C:\\Program Files\\D.exe\""), L"\"C:\\Program Files\\D.exe\"");
  EXPECT_EQ(QuotedCommandPath(L""), L"");
  EXPECT_EQ(QuotedCommandPath(L"C:\\D.exe"), L"C:\\D.exe");
  EXPECT_EQ(QuotedCommandPath(L"\""), L"\"");
}

TEST_F(LogonSetting, AMissingAppPathsEntryStoresTheMinutesWithAnEmptyPath) {
  Form1Harness h;
  h.Start();
  h.registry.CreateKey(kRun);
  h.Choose(kModeRelativeTime);
  h.c.TxtCount->SetText(L"45");
  h.form.mpopdsk_Click();
  EXPECT_EQ(h.registry.StringValue(kSettings, kMinutes), "45");
  EXPECT_EQ(h.registry.StringValue(kRun, "Duskfall"), "");
  EXPECT_EQ(h.c.mpopdsk->Text(), L"Cancel Duskfall");
  EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(LogonSetting, ARunningCountDownIsRefusedInEitherMode) {
  StartRelative(L"45");
  form.mpopdsk_Click();
  ExpectRefused(L"An active count down is in force. Please cancel it and try again");
  EXPECT_TRUE(Running());

  Form1Harness fixed;
  fixed.Start();
  fixed.Choose(kModeFixedTime);
  fixed.form.CmdSaS_Click(0);
  fixed.form.mpopdsk_Click();
  ASSERT_EQ(fixed.dialogs.boxes.size(), 1u);
  EXPECT_EQ(fixed.dialogs.boxes[0].text,
            L"An active count down is in force. Please cancel it and try again");
}

TEST_F(LogonSetting, NoRelativeModeIsRefused) {
  for (const wchar_t* mode : {L"", L" ", L"Fixed Time"}) {
    Form1Harness h;
    h.Start();
    h.registry.CreateKey(kRun);
    h.factory.list.Choose(mode);
    h.form.CmbFunction_Click();
    h.form.mpopdsk_Click();
    ASSERT_EQ(h.dialogs.boxes.size(), 1u);
    EXPECT_EQ(h.dialogs.boxes[0].text, kMsgSelectRelative);
    EXPECT_FALSE(h.Running());
  }
}

TEST_F(LogonSetting, MinutesThatAreNoPositiveNumberAreRefused) {
  for (const wchar_t* minutes : {L"0", L"-3", L"", L"abc", L"5 apples"}) {
    dialogs.boxes.clear();
    IdleRelative(minutes);
    form.mpopdsk_Click();
    ExpectRefused(kMsgSelectRelative);
    EXPECT_FALSE(Running());
  }
}

TEST_F(LogonSetting, CancelEmptiesBothValuesStopsTheCountDownAndShowsTheWindow) {
  IdleRelative(L"45");
  form.mpopdsk_Click();
  self.Hide();
  form.mpopdsk_Click();
  EXPECT_EQ(registry.StringValue(kSettings, kMinutes), "");
  EXPECT_EQ(registry.StringValue(kRun, "Duskfall"), "");
  EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
  EXPECT_FALSE(Running());
  EXPECT_EQ(c.CmdSaS[0]->Text(), L"Set");
  EXPECT_TRUE(c.TxtCount->Enabled());
  EXPECT_TRUE(self.Visible());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(LogonSetting, CancelWithNothingRunningPutsTheIdleControlsBack) {
  c.mpopdsk->SetText(kMenuCancelDuskfall);
  Choose(kModeFixedTime);
  form.mpopdsk_Click();
  EXPECT_EQ(c.CmdSaS[0]->Text(), L"Set");
  EXPECT_TRUE(c.DtTime->Enabled());
  EXPECT_FALSE(factory.timer.Enabled());
  EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
}

TEST_F(LogonSetting, AnyCaptionButSetTakesTheCancelBranch) {
  c.mpopdsk->SetText(L"Set Duskfall");  // without the access key
  form.mpopdsk_Click();
  EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
  EXPECT_EQ(registry.StringValue(kRun, "Duskfall"), "");
}

TEST_F(LogonSetting, ResumedCountDownIsCancelledAndTheWindowReappears) {
  Form1Harness h;
  h.registry.PutString(kSettings, kMinutes, "15");
  h.registry.CreateKey(kRun);
  h.Start();
  ASSERT_TRUE(h.Running());
  ASSERT_FALSE(h.self.Visible());
  h.form.mpopdsk_Click();
  EXPECT_FALSE(h.Running());
  EXPECT_TRUE(h.self.Visible());
  EXPECT_EQ(h.registry.StringValue(kSettings, kMinutes), "");
}

TEST_F(LogonSetting, WithoutWriteRightsNothingIsStoredAndTheUserIsTold) {
  registry.DenyWrite(kSettings);
  IdleRelative(L"45");
  form.mpopdsk_Click();
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, kMsgLogonNotStored);
  EXPECT_EQ(dialogs.boxes[0].style, kMbIconInformation);
  EXPECT_EQ(dialogs.boxes[0].title, L"Qorvelix Duskfall");
  EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
  EXPECT_FALSE(Running());
  EXPECT_FALSE(registry.HasValue(kRun, "Duskfall"));
}

TEST_F(LogonSetting, AFailedRunWriteTakesTheStoredMinutesBack) {
  registry.DenyWrite(kRun);
  IdleRelative(L"45");
  form.mpopdsk_Click();
  EXPECT_EQ(LastBoxText(), kMsgLogonNotStored);
  EXPECT_EQ(registry.StringValue(kSettings, kMinutes), "");
  EXPECT_EQ(c.mpopdsk->Text(), L"&Set Duskfall");
  EXPECT_FALSE(Running());
}

TEST_F(LogonSetting, CancelWithoutWriteRightsStillStopsButSaysTheSettingStays) {
  IdleRelative(L"45");
  form.mpopdsk_Click();
  registry.DenyWrite(kSettings);
  self.Hide();
  form.mpopdsk_Click();
  EXPECT_FALSE(Running());
  EXPECT_TRUE(self.Visible());
  EXPECT_EQ(c.mpopdsk->Text(), L"Cancel Duskfall");
  EXPECT_EQ(LastBoxText(), kMsgLogonNotCleared);
  EXPECT_EQ(registry.StringValue(kSettings, kMinutes), "45");
}

TEST_F(LogonSetting, CancelWithNoSettingsKeyHasNothingToEmpty) {
  Form1Harness h;
  h.registry.DenyCreateUnder("SOFTWARE");
  h.Start();
  h.c.mpopdsk->SetText(kMenuCancelDuskfall);
  h.registry.CreateKey(kRun);
  h.form.mpopdsk_Click();
  EXPECT_TRUE(h.dialogs.boxes.empty());
  EXPECT_EQ(h.c.mpopdsk->Text(), L"&Set Duskfall");
}

}  // namespace
}  // namespace duskfall::testing
