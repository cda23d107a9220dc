// The tray icon's record, hiding on minimise, the tray's mouse reports and the menu commands.
#include <limits>

#include "tray/tray_icon.h"
#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

class TrayIcon : public StartedForm1 {};

TEST_F(TrayIcon, TheRecordIsFilledAsTheShellFirstKnewIt) {
  ASSERT_EQ(tray.calls.size(), 1u);
  const NotifyIconRecord& record = tray.calls[0].record;
  EXPECT_EQ(tray.calls[0].message, kNimAdd);
  EXPECT_EQ(record.cbSize, 88u);
  EXPECT_EQ(record.hWnd, self.Handle());
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, 7u);
  EXPECT_EQ(record.uCallbackMessage, 512u);
  EXPECT_EQ(record.hIcon, self.IconHandle());
}

TEST_F(TrayIcon, TheTipIsTheTitleThenOneNulThenBlanks) {
  const auto& tip = tray.calls[0].record.szTip;
  const std::wstring title = L"Qorvelix Duskfall";
  EXPECT_EQ(std::wstring(tip.data(), title.size()), title);
  EXPECT_EQ(tip[title.size()], L'\0');
  for (std::size_t i = title.size() + 1; i < tip.size(); ++i) EXPECT_EQ(tip[i], L' ') << i;
}

TEST_F(TrayIcon, MinimisingHidesTheWindowAndKeepsTheIconAndTheCountDown) {
  StartRelative(L"5");
  self.Minimize();
  form.Form_Resize();
  EXPECT_FALSE(self.Visible());
  EXPECT_TRUE(tray.present);
  EXPECT_TRUE(Running());
}

TEST_F(TrayIcon, OtherSizesDoNotHide) {
  for (WindowState state : {WindowState::kNormal, WindowState::kMaximized}) {
    self.SetState(state);
    form.Form_Resize();
    EXPECT_TRUE(self.Visible());
  }
}

TEST_F(TrayIcon, UnloadingAHiddenWindowStillRemovesTheIcon) {
  self.Hide();
  form.mpopexit_Click();
  EXPECT_FALSE(tray.present);
}

TEST_F(TrayIcon, ARestartedTaskbarGetsTheSameIconAgain) {
  form.TaskbarCreated();
  ASSERT_EQ(tray.calls.size(), 2u);
  EXPECT_EQ(tray.calls[1].message, kNimAdd);
  EXPECT_EQ(tray.calls[1].record.szTip, tray.calls[0].record.szTip);
  EXPECT_EQ(tray.calls[1].record.hWnd, tray.calls[0].record.hWnd);
}

class TrayDispatch : public StartedForm1 {
 protected:
  // A report from the tray: the mouse message in X, in twips.
  void Report(int mouseMessage) {
    form.Form_MouseMove(0, 0, mouseMessage * system.twipsPerPixel, 0.0);
  }
  void HideMinimised() {
    self.Minimize();
    form.Form_Resize();
  }
};

TEST_F(TrayDispatch, LeftReleaseAndDoubleClickRestore) {
  for (int message : {514, 515}) {
    HideMinimised();
    Report(message);
    EXPECT_TRUE(self.Visible()) << message;
    EXPECT_EQ(self.State(), WindowState::kNormal);
    EXPECT_TRUE(self.foreground);
  }
}

TEST_F(TrayDispatch, RestoreSetsNormalThenForegroundThenShows) {
  HideMinimised();
  log.Clear();
  Report(514);
  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{"Form1.SetState 0", "Form1.SetForeground", "Form1.Show"}));
}

TEST_F(TrayDispatch, RightReleaseBringsTheWindowForwardAndOpensTheMenu) {
  self.Hide();
  Report(517);
  EXPECT_EQ(menuHost.popups, 1);
  EXPECT_TRUE(self.foreground);
  EXPECT_FALSE(self.Visible());  // the menu opens over a hidden window too
}

TEST_F(TrayDispatch, PressesAndPlainMovementDoNothing) {
  self.Hide();
  for (int message : {512, 513, 516, 518, 519, 0, -514}) Report(message);
  EXPECT_EQ(menuHost.popups, 0);
  EXPECT_FALSE(self.Visible());
}

TEST_F(TrayDispatch, TheNumberIsTheNearestWholeNumberOfPixels) {
  self.Hide();
  form.Form_MouseMove(0, 0, 514 * 15.0 + 7.0, 0.0);
  EXPECT_TRUE(self.Visible());
  system.twipsPerPixel = 1440.0 / 168.0;  // 175 % scaling
  self.Hide();
  form.Form_MouseMove(0, 0, 517 * system.twipsPerPixel, 0.0);
  EXPECT_EQ(menuHost.popups, 1);
}

TEST_F(TrayDispatch, AnXThatCannotConvertEndsTheHandlingSilently) {
  self.Hide();
  form.Form_MouseMove(0, 0, 1e300, 0.0);
  form.Form_MouseMove(0, 0, std::numeric_limits<double>::quiet_NaN(), 0.0);
  system.twipsPerPixel = 0.0;
  form.Form_MouseMove(0, 0, 514 * 15.0, 0.0);
  EXPECT_FALSE(self.Visible());
  EXPECT_EQ(menuHost.popups, 0);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(TrayDispatch, ThePointerReallyCrossingTheWindowIsNoTrayClick) {
  // A widened window: the pointer 517 pixels from its left edge, at its own position.
  menuHost.pointer = TwipsPoint{517 * 15.0, 40 * 15.0};
  form.Form_MouseMove(0, 0, 517 * 15.0, 40 * 15.0);
  menuHost.pointer = TwipsPoint{514 * 15.0, 0.0};
  self.Hide();
  form.Form_MouseMove(1, 0, 514 * 15.0, 0.0);
  EXPECT_EQ(menuHost.popups, 0);
  EXPECT_FALSE(self.Visible());
}

class TrayMenu : public StartedForm1 {};

TEST_F(TrayMenu, RestoreBringsBackAMinimisedHiddenWindow) {
  self.Minimize();
  form.Form_Resize();
  form.mpoprestore_Click();
  EXPECT_TRUE(self.Visible());
  EXPECT_EQ(self.State(), WindowState::kNormal);
}

TEST_F(TrayMenu, AboutLoadsOnceAndShowsTheSameWindowAgain) {
  form.mpopabout_Click();
  form.mpopabout_Click();
  EXPECT_EQ(about.loads, 1);
  EXPECT_TRUE(about.Visible());
  about.Unload();
  form.mpopabout_Click();
  EXPECT_EQ(about.loads, 2);
}

TEST_F(TrayMenu, ExitWhileCountingDownEndsWithoutPowerOff) {
  StartRelative(L"5");
  menuHost.choose = [this] { form.mpopexit_Click(); };
  form.Form_MouseMove(0, 0, 517 * 15.0, 0.0);
  EXPECT_FALSE(self.Loaded());
  EXPECT_FALSE(tray.present);
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(TrayMenu, ExitLeavesAnOpenAboutWindowOpen) {
  form.mpopabout_Click();
  form.mpopexit_Click();
  EXPECT_FALSE(self.Loaded());
  EXPECT_TRUE(about.Loaded());
  EXPECT_FALSE(tray.present);
}

}  // namespace
}  // namespace duskfall::testing
