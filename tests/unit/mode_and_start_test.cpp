// Choosing a mode, starting, cancelling and leaving: what each leaves enabled, captioned and
// running.
#include "app/design.h"
#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

class ModeSelection : public StartedForm1 {};

TEST_F(ModeSelection, FixedTimeEnablesThePickerAndTicksEverySecond) {
  Choose(kModeFixedTime);
  EXPECT_TRUE(c.DtTime->Enabled());
  EXPECT_FALSE(c.TxtCount->Enabled());
  EXPECT_TRUE(c.LblSaS[2]->Enabled());
  EXPECT_FALSE(c.LblSaS[1]->Enabled());
  EXPECT_EQ(factory.timer.Interval(), 1000u);
  EXPECT_FALSE(factory.timer.Enabled());
}

TEST_F(ModeSelection, RelativeTimeEnablesTheMinutesBoxWithItsOneAndTicksEveryMinute) {
  Choose(kModeFixedTime);
  Choose(kModeRelativeTime);
  EXPECT_FALSE(c.DtTime->Enabled());
  EXPECT_TRUE(c.TxtCount->Enabled());
  EXPECT_EQ(c.TxtCount->Text(), L"1");
  EXPECT_FALSE(c.LblSaS[2]->Enabled());
  EXPECT_TRUE(c.LblSaS[1]->Enabled());
  EXPECT_EQ(factory.timer.Interval(), 60000u);
}

TEST_F(ModeSelection, BlankOrNoEntryDisablesEveryInputAndKeepsTheInterval) {
  for (const wchar_t* none : {L" ", L""}) {
    Choose(kModeFixedTime);
    factory.list.Choose(none);
    form.CmbFunction_Click();
    EXPECT_FALSE(c.DtTime->Enabled());
    EXPECT_FALSE(c.TxtCount->Enabled());
    EXPECT_FALSE(c.LblSaS[2]->Enabled());
    EXPECT_FALSE(c.LblSaS[1]->Enabled());
    EXPECT_EQ(factory.timer.Interval(), 1000u);
  }
}

TEST_F(ModeSelection, ModesCompareExactlySoOtherCaseOrBlanksMeanNoMode) {
  Choose(kModeRelativeTime);
  factory.list.Choose(L"relative time");
  form.CmbFunction_Click();
  EXPECT_FALSE(c.TxtCount->Enabled());
  EXPECT_EQ(factory.timer.Interval(), 60000u);
}

TEST_F(ModeSelection, LeavesTheModeLabelTheTextAndThePickerValueAlone) {
  c.TxtCount->SetText(L"42");
  Choose(kModeFixedTime);
  Choose(L" ");
  EXPECT_TRUE(c.LblSaS[0]->Enabled());
  EXPECT_EQ(c.TxtCount->Text(), L"42");
  EXPECT_EQ(factory.picker.Value(), DateTime::TimeOfDay(12, 0, 0));
  EXPECT_TRUE(c.CmbFunction->Enabled());
}

class StartAndCancel : public StartedForm1 {};

TEST_F(StartAndCancel, RelativeStartDisablesTheInputsAndRunsTheTimer) {
  StartRelative(L"30");
  EXPECT_TRUE(Running());
  EXPECT_FALSE(c.DtTime->Enabled());
  EXPECT_FALSE(c.TxtCount->Enabled());
  EXPECT_FALSE(c.CmbFunction->Enabled());
  EXPECT_EQ(factory.timer.Interval(), 60000u);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(StartAndCancel, RelativeCancelReenablesTheListAndTheMinutesWithWhatIsLeft) {
  StartRelative(L"30");
  c.TxtCount->SetText(L"17");  // as the ticks leave it
  form.CmdSaS_Click(0);
  EXPECT_EQ(c.CmdSaS[0]->Text(), L"Set");
  EXPECT_FALSE(factory.timer.Enabled());
  EXPECT_TRUE(c.CmbFunction->Enabled());
  EXPECT_TRUE(c.TxtCount->Enabled());
  EXPECT_FALSE(c.DtTime->Enabled());
  EXPECT_EQ(c.TxtCount->Text(), L"17");
  EXPECT_TRUE(c.LblSaS[1]->Enabled());
}

TEST_F(StartAndCancel, FixedStartNeedsNoCheckAndCancelReenablesThePickerOnly) {
  Choose(kModeFixedTime);
  c.TxtCount->SetText(L"");  // irrelevant in fixed-time mode
  form.CmdSaS_Click(0);
  EXPECT_TRUE(Running());
  EXPECT_EQ(factory.timer.Interval(), 1000u);
  EXPECT_FALSE(c.DtTime->Enabled());
  form.CmdSaS_Click(0);
  EXPECT_FALSE(Running());
  EXPECT_TRUE(c.DtTime->Enabled());
  EXPECT_FALSE(c.TxtCount->Enabled());
  EXPECT_TRUE(c.CmbFunction->Enabled());
}

TEST_F(StartAndCancel, EachStartBeginsAFreshTimerPeriod) {
  StartRelative(L"5");
  form.CmdSaS_Click(0);
  form.CmdSaS_Click(0);
  EXPECT_EQ(factory.timer.Starts(), 2);
}

TEST_F(StartAndCancel, IndexZeroWithCancelCaptionCancelsEvenWhenNothingRuns) {
  Choose(kModeRelativeTime);
  c.CmdSaS[0]->SetText(kCaptionCancel);
  form.CmdSaS_Click(0);
  EXPECT_EQ(c.CmdSaS[0]->Text(), L"Set");
  EXPECT_FALSE(factory.timer.Enabled());
  EXPECT_TRUE(c.TxtCount->Enabled());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(StartAndCancel, AnyCaptionOtherThanSetTakesTheCancelPath) {
  StartRelative(L"5");
  c.CmdSaS[0]->SetText(L"set");
  form.CmdSaS_Click(0);
  EXPECT_FALSE(factory.timer.Enabled());
  EXPECT_EQ(c.CmdSaS[0]->Text(), L"Set");
}

TEST_F(StartAndCancel, IndexesOtherThanZeroAndOneDoNothing) {
  StartRelative(L"5");
  for (std::int16_t index : {std::int16_t{2}, std::int16_t{-1}, std::int16_t{32767}}) {
    form.CmdSaS_Click(index);
  }
  EXPECT_TRUE(Running());
  EXPECT_TRUE(self.Loaded());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(StartAndCancel, ExitUnloadsWhetherOrNotACountDownRuns) {
  StartRelative(L"5");
  form.CmdSaS_Click(1);
  EXPECT_FALSE(self.Loaded());
  EXPECT_TRUE(power.calls.empty());  // leaving never powers off
}

class StartRefusals : public StartedForm1 {
 protected:
  // Everything a refused start must leave as it was.
  struct Snapshot {
    std::wstring caption, minutes, mode;
    bool timer, list, picker, box;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() const {
    return {c.CmdSaS[0]->Text(),     c.TxtCount->Text(),       c.CmbFunction->Text(),
            factory.timer.Enabled(), c.CmbFunction->Enabled(), c.DtTime->Enabled(),
            c.TxtCount->Enabled()};
  }
  void ExpectInformationBox(const wchar_t* text) const {
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, text);
    EXPECT_EQ(dialogs.boxes[0].style, kMbIconInformation);
    EXPECT_EQ(dialogs.boxes[0].title, L"Qorvelix Duskfall");
  }
};

TEST_F(StartRefusals, NoModeChosenAsksForAFunction) {
  const Snapshot before = Take();
  form.CmdSaS_Click(0);
  ExpectInformationBox(L"Please select a function");
  EXPECT_EQ(Take(), before);
}

TEST_F(StartRefusals, BlankModeAsksForAFunction) {
  Choose(L" ");
  const Snapshot before = Take();
  form.CmdSaS_Click(0);
  ExpectInformationBox(L"Please select a function");
  EXPECT_EQ(Take(), before);
}

TEST_F(StartRefusals, RelativeWithEmptyMinutesAsksForATime) {
  Choose(kModeRelativeTime);
  c.TxtCount->SetText(L"");
  const Snapshot before = Take();
  form.CmdSaS_Click(0);
  ExpectInformationBox(L"Please enter a time and try again");
  EXPECT_EQ(Take(), before);
}

TEST_F(StartRefusals, BlanksAreNotEmptySoTheyStart) {
  StartRelative(L"  ");
  EXPECT_TRUE(Running());
}

}  // namespace
}  // namespace duskfall::testing
