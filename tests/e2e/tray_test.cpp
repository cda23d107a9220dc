// The program in the notification area: the icon, hiding on minimise, the tray's clicks and
// menu, and the resumption of a stored logon count-down at start-up.
#include "e2e/program_fixture.h"

#include <shellapi.h>

namespace duskfall::e2e {
namespace {

class TrayIcon : public ProgramTest {
 protected:
  void Minimise() {
    PostMessageW(window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window()); }));
  }
  bool Restored() const { return IsWindowVisible(window()) && !IsIconic(window()); }
};

TEST_F(TrayIcon, MinimisingHidesTheWindowAndTheIconStays) {
  view().ChooseMode(2);
  view().PressSet();
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  Minimise();
  EXPECT_TRUE(TrayIconPresent(window()));
  EXPECT_TRUE(view().Running());
}

TEST_F(TrayIcon, ComesBackWhenTheTaskbarIsCreatedAgain) {
  // The shell forgets the icon, as when Explorer restarts, then announces its new taskbar.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window();
  data.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(TrayIconPresent(window()));
  PostMessageW(window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayIconPresent(window()); }));
}

TEST_F(TrayIcon, ALeftClickOnTheIconBringsTheWindowBack) {
  Minimise();
  SendTrayReport(window(), WM_LBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return Restored(); }));
}

TEST_F(TrayIcon, ADoubleClickBringsItBackToo) {
  Minimise();
  SendTrayReport(window(), WM_LBUTTONDBLCLK);
  EXPECT_TRUE(WaitUntil([&] { return Restored(); }));
}

TEST_F(TrayIcon, ARightClickOpensTheMenuWhichAClickElsewhereCloses) {
  SendTrayReport(window(), WM_RBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return OpenPopupMenu(program()) != nullptr; }));
  SaveScreenshot(OpenPopupMenu(program()), L"tray-menu");
  const RECT menu = ScreenRect(OpenPopupMenu(program()));
  const RECT main = ScreenRect(window());
  ClickAt(POINT{std::max(menu.right, main.right) + 150, std::max(menu.bottom, main.bottom) + 100});
  EXPECT_TRUE(WaitUntil([&] { return OpenPopupMenu(program()) == nullptr; }));
  EXPECT_TRUE(program().Running());
  EXPECT_TRUE(IsWindowVisible(window()));
}

TEST_F(TrayIcon, PressesAndMovementOverTheIconDoNothing) {
  Minimise();
  for (UINT report : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN})
    SendTrayReport(window(), report);
  // A restore sent after them shows when they have all been handled.
  SendTrayReport(window(), WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return Restored(); }));
  EXPECT_EQ(OpenPopupMenu(program()), nullptr);
}

TEST_F(TrayIcon, RestoreInTheMenuBringsBackAMinimisedWindow) {
  Minimise();
  ASSERT_TRUE(ChooseTrayMenuItem(program(), window(), 2));
  EXPECT_TRUE(WaitUntil([&] { return Restored(); }));
}

TEST_F(TrayIcon, ExitInTheMenuEndsACountDownWithoutPowerOff) {
  view().ChooseMode(2);
  view().SetMinutes(L"5");
  view().PressSet();
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  ASSERT_TRUE(ChooseTrayMenuItem(program(), window(), 3));
  EXPECT_TRUE(program().WaitForExit());
}

TEST_F(TrayIcon, ThePointerCrossingAWidenedWindowIsNoTrayClick) {
  SetWindowPos(window(), nullptr, 0, 0, 760, 300, SWP_NOMOVE | SWP_NOZORDER);
  POINT point{517, 40};
  ClientToScreen(window(), &point);
  MovePointer(point);
  point = {514, 60};
  ClientToScreen(window(), &point);
  MovePointer(point);
  // Input is handled in order: once this click's refusal shows, the moves were handled.
  Click(view().SetButton());
  ASSERT_TRUE(program().AnswerMessageBox().has_value());
  EXPECT_EQ(OpenPopupMenu(program()), nullptr);
}

class Resume : public ProgramTest {
 protected:
  void ExpectResumedHidden() {
    ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
    EXPECT_FALSE(IsWindowVisible(window()));
    EXPECT_TRUE(TrayIconPresent(window()));
    EXPECT_EQ(view().ModeText(), L"Relative Time");
    EXPECT_EQ(Text(view().Minutes()), L"15");
    EXPECT_EQ(Text(view().SetButton()), L"Cancel");
  }
};

class StoredMinutes : public Resume {
  void BeforeStart() override { StoreLogonMinutes(L"15"); }
};

TEST_F(StoredMinutes, ResumeHiddenAndRunning) { ExpectResumedHidden(); }

class ReadOnlySettings : public Resume {
  void BeforeStart() override {
    StoreLogonMinutes(L"15");
    MakeSettingsKeyReadOnly();
  }
};

TEST_F(ReadOnlySettings, StillResume) {
  ASSERT_FALSE(SettingsKeyWritable()) << "the key should refuse writing";
  ExpectResumedHidden();
}

TEST_F(Resume, NothingStoredLeavesTheWindowIdle) {
  EXPECT_TRUE(IsWindowVisible(window()));
  EXPECT_FALSE(view().Running());
}

}  // namespace
}  // namespace duskfall::e2e
