// The minutes box refuses, with real focus changes, what is not a whole number from 1 up; the
// focus stays and the press that would have moved it never arrives.
#include "e2e/program_fixture.h"

namespace duskfall::e2e {
namespace {

class MinutesValidation : public ProgramTest {
 protected:
  // Relative mode, the given text in the box, and the focus in it.
  void TypeMinutes(const std::wstring& text) {
    view().ChooseMode(2);
    view().SetMinutes(text);
    Activate();
    Click(view().Minutes());
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().Minutes(); }));
  }
  void ExpectRefusal(const wchar_t* message) {
    const auto box = program().AnswerMessageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, message);
    EXPECT_EQ(box->title, L"Qorvelix Duskfall");
    EXPECT_TRUE(box->icon);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().Minutes(); }))
        << "the focus stays in the box";
  }
};

TEST_F(MinutesValidation, TabAwayFromTextThatIsNoNumberKeepsTheFocus) {
  TypeMinutes(L"abc");
  PressKey(VK_TAB);
  ExpectRefusal(L"Wrong data type. Please make sure the value entered is a number and try again");
  EXPECT_EQ(Text(view().Minutes()), L"abc");
}

TEST_F(MinutesValidation, ShiftTabFromAnEmptyBoxIsCheckedToo) {
  TypeMinutes(L"");
  PressKey(VK_TAB, true);
  ExpectRefusal(L"Wrong data type. Please make sure the value entered is a number and try again");
}

TEST_F(MinutesValidation, AClickOnSetAfterARefusalDoesNotStart) {
  TypeMinutes(L"0");
  Click(view().SetButton());
  ExpectRefusal(L"Unable to begin count-down. Please check that value is between 1 and 2147483647");
  EXPECT_FALSE(view().Running());
  EXPECT_EQ(Text(view().Minutes()), L"0");
}

TEST_F(MinutesValidation, AClickOnExitAfterARefusalIsDropped) {
  TypeMinutes(L"2147483648");
  Click(view().ExitButton());
  ExpectRefusal(L"Value is too large. Please make sure value is between 1 and 2147483647");
  EXPECT_TRUE(program().Running());
  EXPECT_TRUE(IsWindowVisible(window()));
}

TEST_F(MinutesValidation, AnAcceptedValueLetsTheClickStartAndStaysAsTyped) {
  TypeMinutes(L"2.5");
  Click(view().SetButton());
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  EXPECT_EQ(Text(view().Minutes()), L"2.5");
  EXPECT_EQ(program().WaitForMessageBox(0ms), nullptr);
}

TEST_F(MinutesValidation, TheCorrectedValuePassesTheNextCheck) {
  TypeMinutes(L"-5");
  PressKey(VK_TAB);
  ExpectRefusal(L"Unable to begin count-down. Please check that value is between 1 and 2147483647");
  view().SetMinutes(L"7");
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window()) == view().SetButton(); }));
}

class Countdown : public ProgramTest {};

TEST_F(Countdown, ARelativeCountDownShowsEachMinuteGo) {
  view().ChooseMode(2);
  view().SetMinutes(L"3");
  view().PressSet();
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  // The first tick comes a full minute after the start.
  EXPECT_TRUE(WaitUntil([&] { return Text(view().Minutes()) == L"2"; }, 90s));
  EXPECT_TRUE(view().Running());
  EXPECT_TRUE(program().Running());
}

// Arms a fixed-time count-down a few seconds ahead and leaves it running; the power-off test
// script then checks from outside that the window closes and the Wine session ends.
class PowerOffArm : public ProgramTest {};

TEST_F(PowerOffArm, FixedTimeSetAFewSecondsAhead) {
  view().ChooseMode(1);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const int seconds = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond + 5) % 86400;
  SYSTEMTIME target{};
  target.wYear = 1899;
  target.wMonth = 12;
  target.wDay = 30;
  target.wHour = static_cast<WORD>(seconds / 3600);
  target.wMinute = static_cast<WORD>(seconds / 60 % 60);
  target.wSecond = static_cast<WORD>(seconds % 60);
  view().SetPickerTime(target);
  const SYSTEMTIME shown = view().PickerTime();
  ASSERT_EQ(shown.wSecond, target.wSecond);
  view().PressSet();
  ASSERT_TRUE(WaitUntil([&] { return view().Running(); }));
  ASSERT_TRUE(StartSentinel(window()));
  program().Detach();
}

}  // namespace
}  // namespace duskfall::e2e
