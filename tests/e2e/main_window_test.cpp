// The main window as a person meets it: the idle state, the modes, starting and cancelling,
// the refusals, the keyboard, and leaving.
#include "e2e/program_fixture.h"

#include <commctrl.h>

#include "app/design.h"

namespace duskfall::e2e {
namespace {

class IdleWindow : public ProgramTest {};

TEST_F(IdleWindow, ShowsTheDesignedIdleState) {
  EXPECT_TRUE(IsWindowVisible(window()));
  EXPECT_EQ(Text(window()), L"Qorvelix Duskfall");
  EXPECT_EQ(view().ModeEntries(),
            (std::vector<std::wstring>{L" ", L"Fixed Time", L"Relative Time"}));
  EXPECT_EQ(view().ModeText(), L"");
  EXPECT_FALSE(IsWindowEnabled(view().Minutes()));
  EXPECT_EQ(Text(view().Minutes()), L"1");
  const SYSTEMTIME picker = view().PickerTime();
  EXPECT_EQ(picker.wHour, 12);
  EXPECT_EQ(picker.wMinute, 0);
  EXPECT_EQ(picker.wSecond, 0);
  EXPECT_EQ(picker.wYear, 1899);
  EXPECT_EQ(picker.wMonth, 12);
  EXPECT_EQ(picker.wDay, 30);
  EXPECT_FALSE(IsWindowEnabled(view().Label(L"Time")));
  EXPECT_FALSE(IsWindowEnabled(view().Label(L"Minutes")));
  EXPECT_TRUE(IsWindowEnabled(view().Label(L"Mode")));
  ASSERT_NE(view().Caution(), nullptr);
  EXPECT_EQ(Text(view().SetButton()), L"Set");
  EXPECT_TRUE(IsWindowEnabled(view().SetButton()));
  EXPECT_NE(view().ExitButton(), nullptr);
  EXPECT_TRUE(TrayIconPresent(window()));
  SaveScreenshot(window(), L"main-window");
  SaveScreenshot(GetDesktopWindow(), L"desktop-with-tray-icon");
}

TEST_F(IdleWindow, HasACaptionButNoTaskbarButtonAndNoMaximiseBox) {
  const LONG style = GetWindowLongW(window(), GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window(), GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
  EXPECT_EQ(GetMenu(window()), nullptr) << "the tray menu is never a menu bar";
  // An ordinary window gets its button, so the taskbar is there to be asked.
  const HWND ordinary = CreateWindowExW(0, L"STATIC", L"ordinary", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(WaitUntil([&] {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    return TaskbarShowsButtonFor(ordinary);
  }));
  DestroyWindow(ordinary);
  EXPECT_FALSE(TaskbarShowsButtonFor(window()));
}

TEST_F(IdleWindow, ControlsSitWhereTheDesignPutsThem) {
  const UINT dpi = GetDpiForWindow(window());
  auto pixels = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
  RECT client{};
  GetClientRect(window(), &client);
  EXPECT_EQ(client.right, pixels(kForm1Design.clientWidthTwips));
  EXPECT_EQ(client.bottom, pixels(kForm1Design.clientHeightTwips));

  auto expectAt = [&](HWND control, const wchar_t* name, int index, bool checkHeight) {
    ASSERT_NE(control, nullptr) << name;
    const TwipsRect& design = FindControl(name, index)->position;
    RECT rect = ScreenRect(control);
    MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, pixels(design.left)) << name;
    EXPECT_EQ(rect.top, pixels(design.top)) << name;
    EXPECT_EQ(rect.right - rect.left, pixels(design.width)) << name;
    if (checkHeight) {
      EXPECT_EQ(rect.bottom - rect.top, pixels(design.height)) << name;
    }
  };
  expectAt(view().SetButton(), L"CmdSaS", 0, true);
  expectAt(view().ExitButton(), L"CmdSaS", 1, true);
  expectAt(view().Minutes(), L"TxtCount", -1, true);
  expectAt(view().Picker(), L"DtTime", -1, true);
  expectAt(view().ModeList(), L"CmbFunction", -1, false);  // its height follows the font
  expectAt(view().Caution(), L"Label1", -1, true);
  expectAt(view().Label(L"Mode"), L"LblSaS", 0, true);
  expectAt(view().Label(L"Minutes"), L"LblSaS", 1, true);
  expectAt(view().Label(L"Time"), L"LblSaS", 2, true);
}

TEST_F(IdleWindow, EveryInputHasItsTooltip) {
  const HWND tooltip = [this] {
    for (HWND candidate : program().Windows(TOOLTIPS_CLASSW)) {
      if (GetWindow(candidate, GW_OWNER) == window()) return candidate;
    }
    return HWND{};
  }();
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 5);
}

class ModeSelection : public ProgramTest {
 protected:
  void ExpectInputs(bool picker, bool minutes) {
    EXPECT_EQ(IsWindowEnabled(view().Picker()) != FALSE, picker);
    EXPECT_EQ(IsWindowEnabled(view().Label(L"Time")) != FALSE, picker);
    EXPECT_EQ(IsWindowEnabled(view().Minutes()) != FALSE, minutes);
    EXPECT_EQ(IsWindowEnabled(view().Label(L"Minutes")) != FALSE, minutes);
  }
};

TEST_F(ModeSelection, EachModeEnablesItsOwnInput) {
  view().ChooseMode(1);
  EXPECT_EQ(view().ModeText(), L"Fixed Time");
  ExpectInputs(true, false);
  view().ChooseMode(2);
  ExpectInputs(false, true);
  EXPECT_EQ(Text(view().Minutes()), L"1");
  view().ChooseMode(0);
  ExpectInputs(false, false);
}

class StartRefusals : public ProgramTest {};

TEST_F(StartRefusals, SetWithoutAModeAsksForAFunction) {
  Click(view().SetButton());
  const auto box = program().AnswerMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"Please select a function");
  EXPECT_EQ(box->title, L"Qorvelix Duskfall");
  EXPECT_TRUE(box->icon);
  EXPECT_FALSE(view().Running());
  EXPECT_TRUE(IsWindowEnabled(view().ModeList()));
}

TEST_F(StartRefusals, RelativeTimeWithAnEmptyBoxAsksForATime) {
  view().ChooseMode(2);
  view().SetMinutes(L"");
  view().PressSet();
  const auto box = program().AnswerMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"Please enter a time and try again");
  EXPECT_EQ(box->title, L"Qorvelix Duskfall");
  EXPECT_TRUE(box->icon);
  EXPECT_FALSE(view().Running());
  EXPECT_TRUE(IsWindowEnabled(view().Minutes()));
}

class StartAndCancel : public ProgramTest {};

TEST_F(StartAndCancel, RelativeCountDownStartsAndCancels) {
  view().ChooseMode(2);
  view().SetMinutes(L"30");
  Click(view().SetButton());
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  EXPECT_FALSE(IsWindowEnabled(view().ModeList()));
  EXPECT_FALSE(IsWindowEnabled(view().Minutes()));
  EXPECT_FALSE(IsWindowEnabled(view().Picker()));
  SaveScreenshot(window(), L"main-window-running");
  Click(view().SetButton());
  ASSERT_TRUE(WaitUntil([&] { return !view().Running(); }));
  EXPECT_TRUE(IsWindowEnabled(view().ModeList()));
  EXPECT_TRUE(IsWindowEnabled(view().Minutes()));
  EXPECT_FALSE(IsWindowEnabled(view().Picker()));
  EXPECT_EQ(Text(view().Minutes()), L"30");
}

TEST_F(StartAndCancel, FixedTimeCountDownStartsAndCancels) {
  view().ChooseMode(1);
  Click(view().SetButton());
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  EXPECT_FALSE(IsWindowEnabled(view().Picker()));
  EXPECT_FALSE(IsWindowEnabled(view().ModeList()));
  Click(view().SetButton());
  ASSERT_TRUE(WaitUntil([&] { return !view().Running(); }));
  EXPECT_TRUE(IsWindowEnabled(view().Picker()));
  EXPECT_FALSE(IsWindowEnabled(view().Minutes()));
  EXPECT_TRUE(IsWindowEnabled(view().ModeList()));
}

class Leaving : public ProgramTest {};

TEST_F(Leaving, ExitEndsTheProgramWhileACountDownRuns) {
  view().ChooseMode(2);
  view().SetMinutes(L"5");
  Click(view().SetButton());
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  Click(view().ExitButton());
  EXPECT_TRUE(program().WaitForExit());
}

TEST_F(Leaving, TheCloseBoxEndsTheProgram) {
  PostMessageW(window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(program().WaitForExit());
}

class Keyboard : public ProgramTest {};

TEST_F(Keyboard, TabVisitsTheEnabledControlsInTheirOrder) {
  Activate();
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ModeList(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().SetButton(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ExitButton(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ModeList(); }));
  PressKey(VK_TAB, true);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ExitButton(); }));
}

TEST_F(Keyboard, TheChosenModesInputJoinsTheTabOrder) {
  view().ChooseMode(2);
  Activate();
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ModeList(); }));
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().Minutes(); }));
  PressKey(VK_TAB, true);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ModeList(); }));
}

TEST_F(Keyboard, EnterPressesTheFocusedButton) {
  Activate();
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().ModeList(); }));
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().SetButton(); }));
  PressKey(VK_RETURN);
  const auto box = program().AnswerMessageBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->text, L"Please select a function");
}

}  // namespace
}  // namespace duskfall::e2e
