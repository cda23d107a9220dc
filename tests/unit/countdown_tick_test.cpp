// The count-down's tick: minutes counted down in the box, the clock against the picker, and
// the firing order.
#include <algorithm>

#include "unit/form1_harness.h"

namespace duskfall::testing {
namespace {

constexpr std::int32_t kToday = 46000;  // a day in 2025

DateTime At(int hour, int minute, int second, std::int32_t day = kToday) {
  return DateTime{day, hour * 3600 + minute * 60 + second};
}

class Countdown : public StartedForm1 {
 protected:
  bool Fired() const { return !self.Loaded() && power.exitFlags != 0; }
  void Tick() { form.TMCounter_Timer(); }
  std::ptrdiff_t Position(const std::string& entry) const {
    const auto& entries = log.Entries();
    return std::find(entries.begin(), entries.end(), entry) - entries.begin();
  }
};

class RelativeCountdown : public Countdown {};

TEST_F(RelativeCountdown, OneMinuteWritesZeroAndFiresOnTheFirstTick) {
  StartRelative(L"1");
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"0");
  EXPECT_TRUE(Fired());
}

TEST_F(RelativeCountdown, ThreeMinutesShowTwoThenOneThenFire) {
  StartRelative(L"3");
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"2");
  EXPECT_FALSE(Fired());
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"1");
  EXPECT_FALSE(Fired());
  Tick();
  EXPECT_TRUE(Fired());
}

TEST_F(RelativeCountdown, TextsThatReadAsZeroFireAtOnceUnchanged) {
  for (const wchar_t* zero : {L"0", L"   ", L"abc"}) {
    Form1Harness h;
    h.Start();
    h.StartRelative(zero);  // as a resumed stored value would, without validation
    h.form.TMCounter_Timer();
    EXPECT_EQ(h.c.TxtCount->Text(), zero);
    EXPECT_FALSE(h.self.Loaded()) << "fires for '" << std::string(zero, zero + 3) << "'";
  }
}

TEST_F(RelativeCountdown, NegativeMinutesNeverChangeAndNeverFire) {
  StartRelative(L"-5");
  for (int i = 0; i < 10; ++i) Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"-5");
  EXPECT_TRUE(self.Loaded());
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(RelativeCountdown, ALeadingNumberIsRewrittenAsPlainDigits) {
  StartRelative(L"12abc");
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"11");
  Form1Harness spaced;
  spaced.Start();
  spaced.StartRelative(L"1 0");
  spaced.form.TMCounter_Timer();
  EXPECT_EQ(spaced.c.TxtCount->Text(), L"9");
}

TEST_F(RelativeCountdown, FractionsStepDownAndStillFire) {
  StartRelative(L"2.5");
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"1.5");
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"0.5");
  EXPECT_FALSE(Fired());
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"0");
  EXPECT_TRUE(Fired());
}

TEST_F(RelativeCountdown, NeverLooksAtThePicker) {
  StartRelative(L"3");
  const int reads = factory.picker.Reads();
  Tick();
  Tick();
  EXPECT_EQ(factory.picker.Reads(), reads);
}

TEST_F(RelativeCountdown, FiringUnloadsTheWindowBeforeAskingForThePowerOff) {
  StartRelative(L"1");
  Tick();
  const auto removed = Position("Shell_NotifyIconA 2");
  const auto unloaded = Position("Form1.Unload");
  const auto powerOff = Position("ExitWindowsEx");
  ASSERT_LT(powerOff, static_cast<std::ptrdiff_t>(log.Entries().size()));
  EXPECT_LT(removed, unloaded);
  EXPECT_LT(unloaded, powerOff);
}

class FixedTimeCountdown : public Countdown {
 protected:
  void StartFixed(DateTime target, DateTime now) {
    Choose(kModeFixedTime);
    factory.picker.SetValue(DateTime{0, target.secondOfDay});
    system.now = now;
    form.CmdSaS_Click(0);
  }
  void TickAt(DateTime now) {
    system.now = now;
    Tick();
  }
};

TEST_F(FixedTimeCountdown, FiresAtTheTickInsideTheTargetSecond) {
  StartFixed(At(12, 0, 0), At(11, 59, 57));
  TickAt(At(11, 59, 58));
  TickAt(At(11, 59, 59));
  EXPECT_FALSE(Fired());
  TickAt(At(12, 0, 0));
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, NeverTouchesTheMinutes) {
  c.TxtCount->SetText(L"7");
  StartFixed(At(12, 0, 0), At(11, 0, 0));
  TickAt(At(11, 0, 1));
  EXPECT_EQ(c.TxtCount->Text(), L"7");
}

TEST_F(FixedTimeCountdown, ATargetAlreadyPastWaitsForTheNextDay) {
  StartFixed(At(8, 0, 0), At(9, 0, 0));
  TickAt(At(9, 0, 1));
  EXPECT_FALSE(Fired());
  TickAt(At(8, 0, 0, kToday + 1));
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, ALateTickStillFiresWhenTheTargetSecondPassedSinceTheLastOne) {
  StartFixed(At(12, 0, 0), At(11, 59, 50));
  TickAt(At(11, 59, 59));
  EXPECT_FALSE(Fired());
  TickAt(At(12, 0, 2));  // the system held the timer back past the target second
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, ALateFirstTickCountsFromTheStart) {
  StartFixed(At(12, 0, 0), At(11, 59, 59));
  TickAt(At(12, 0, 3));
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, ALateTickAcrossMidnightFires) {
  StartFixed(At(0, 0, 0), At(23, 59, 58));
  TickAt(At(0, 0, 1, kToday + 1));
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, ALateTickBeforeTheTargetDoesNotFire) {
  StartFixed(At(12, 0, 0), At(11, 59, 0));
  TickAt(At(11, 59, 30));
  EXPECT_FALSE(Fired());
}

TEST_F(FixedTimeCountdown, WakingAfterAlongSleepThroughTheTargetDoesNotFire) {
  StartFixed(At(12, 0, 0), At(10, 0, 0));
  TickAt(At(10, 0, 1));
  TickAt(At(14, 30, 0));  // slept for hours through noon
  EXPECT_FALSE(Fired());
  TickAt(At(14, 30, 1));
  EXPECT_FALSE(Fired());
  TickAt(At(12, 0, 0, kToday + 1));
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, AGapOfAMinuteStillCountsAsALateTick) {
  StartFixed(At(12, 0, 0), At(11, 59, 30));
  TickAt(At(12, 0, 30));  // exactly 60 seconds after the start
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, AGapOfJustOverAMinuteCountsAsASleep) {
  StartFixed(At(12, 0, 0), At(11, 59, 30));
  TickAt(At(12, 0, 31));
  EXPECT_FALSE(Fired());
}

TEST_F(FixedTimeCountdown, AClockSetBackOnlyFiresOnTheExactSecond) {
  StartFixed(At(12, 0, 0), At(12, 0, 30));
  TickAt(At(11, 59, 40));  // set back: the target lies ahead again, nothing passed
  EXPECT_FALSE(Fired());
  TickAt(At(11, 59, 41));
  EXPECT_FALSE(Fired());
  TickAt(At(12, 0, 0));
  EXPECT_TRUE(Fired());
}

TEST_F(FixedTimeCountdown, AClockSetForwardPastTheTargetDoesNotFire) {
  StartFixed(At(12, 0, 0), At(11, 50, 0));
  TickAt(At(11, 50, 1));
  TickAt(At(12, 10, 0));
  EXPECT_FALSE(Fired());
}

TEST_F(FixedTimeCountdown, APickerValueWithADatePartNeverEqualsTheClock) {
  StartFixed(At(12, 0, 0), At(11, 59, 59));
  factory.picker.SetValue(DateTime{1, 12 * 3600});
  TickAt(At(12, 0, 0));
  TickAt(At(12, 0, 1));
  EXPECT_FALSE(Fired());
}

TEST_F(FixedTimeCountdown, ARestartCountsFromTheNewStart) {
  StartFixed(At(12, 0, 0), At(11, 59, 50));
  form.CmdSaS_Click(0);  // cancel before the target
  system.now = At(12, 0, 5);
  form.CmdSaS_Click(0);  // start again just after it
  TickAt(At(12, 0, 6));
  EXPECT_FALSE(Fired());
}

TEST_F(Countdown, OtherModesDoNothing) {
  StartRelative(L"1");
  factory.list.Choose(L"");  // not a state the window allows, but the tick must not care
  Tick();
  EXPECT_EQ(c.TxtCount->Text(), L"1");
  EXPECT_TRUE(self.Loaded());
}

}  // namespace
}  // namespace duskfall::testing
