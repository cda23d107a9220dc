// The power-off service: the privilege steps on the NT family, their reports, and the forced
// power-off request.
#include <gtest/gtest.h>

#include "fakes/fake_services.h"
#include "power/power_off.h"

namespace duskfall::testing {
namespace {

class PowerOff : public ::testing::Test {
 protected:
  std::vector<std::wstring> Texts() const {
    std::vector<std::wstring> texts;
    for (const ShownBox& box : dialogs.boxes) texts.push_back(box.text);
    return texts;
  }
  std::vector<std::string> CallsWithout(const std::string& skipped) const {
    std::vector<std::string> kept;
    for (const std::string& call : power.calls) {
      if (call != skipped) kept.push_back(call);
    }
    return kept;
  }
  FakePower power;
  FakeDialogs dialogs;
};

TEST_F(PowerOff, PlatformFlagIsOneExactlyWhenBit31IsClear) {
  EXPECT_EQ(PlatformIsNTFromVersion(0x23F00206u), 1);
  EXPECT_EQ(PlatformIsNTFromVersion(0x7FFFFFFFu), 1);
  EXPECT_EQ(PlatformIsNTFromVersion(0xC0000A04u), 0);  // Windows 98
  EXPECT_EQ(PlatformIsNTFromVersion(0x80000000u), 0);
}

TEST_F(PowerOff, NonNTMakesNoPrivilegeCallAndPowersOffAtOnce) {
  PowerOffMachine(power, dialogs, 0);
  EXPECT_EQ(CallsWithout("SetLastError"), std::vector<std::string>{"ExitWindowsEx"});
  EXPECT_EQ(power.exitFlags, 12u);
  EXPECT_EQ(power.exitReason, 0xFFFFFFFFu);
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PowerOff, OnlyTheValueOneCountsAsNT) {
  PowerOffMachine(power, dialogs, -1);
  EXPECT_EQ(CallsWithout("SetLastError"), std::vector<std::string>{"ExitWindowsEx"});
}

TEST_F(PowerOff, NTEnablesTheShutdownPrivilegeThenPowersOff) {
  PowerOffMachine(power, dialogs, 1);
  EXPECT_EQ(power.calls,
            (std::vector<std::string>{"SetLastError", "GetCurrentProcess", "SetLastError",
                                      "OpenProcessToken", "SetLastError", "LookupPrivilegeValueA",
                                      "SetLastError", "AdjustTokenPrivileges", "SetLastError",
                                      "ExitWindowsEx"}));
  EXPECT_EQ(power.openAccess, 40u);
  EXPECT_EQ(power.lookupSystemName, "");
  EXPECT_EQ(power.lookupName, "SeShutdownPrivilege");
  EXPECT_EQ(power.adjustedToken, 0x44u);
  EXPECT_FALSE(power.disableAll);
  EXPECT_EQ(power.adjusted.privilegeCount, 1u);
  EXPECT_EQ(power.adjusted.luid.lowPart, 0x13u);
  EXPECT_EQ(power.adjusted.attributes, 2u);
  EXPECT_EQ(power.adjustedLength, 16u);
  EXPECT_EQ(power.exitFlags, 12u);
  EXPECT_EQ(power.closed, std::vector<SysHandle>{0x44});
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(PowerOff, AnAccountWithoutThePrivilegeIsToldAndThePowerOffStillFollows) {
  // AdjustTokenPrivileges succeeds but leaves ERROR_NOT_ALL_ASSIGNED behind.
  power.failWith = {{"AdjustTokenPrivileges", {1300, false}}};
  PowerOffMachine(power, dialogs, 1);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, L"AdjustTokenPrivileges error==1300");
  EXPECT_EQ(dialogs.boxes[0].style, 0u);
  EXPECT_EQ(dialogs.boxes[0].title, L"Duskfall");
  EXPECT_EQ(power.calls.back(), "ExitWindowsEx");
}

TEST_F(PowerOff, EachFailedStepIsReportedUnderItsOwnNameOnly) {
  const std::vector<std::pair<std::string, std::wstring>> steps = {
      {"GetCurrentProcess", L"GetCurrentProcess error==6"},
      {"OpenProcessToken", L"OpenProcessToken error==6"},
      {"LookupPrivilegeValueA", L"LookupPrivilegeValue error==6"},
      {"AdjustTokenPrivileges", L"AdjustTokenPrivileges error==6"}};
  for (const auto& [step, report] : steps) {
    FakePower failing;
    FakeDialogs shown;
    failing.failWith = {{step, {6, true}}};
    PowerOffMachine(failing, shown, 1);
    // The error is reset before every step, so a later step does not repeat an earlier one.
    ASSERT_EQ(shown.boxes.size(), 1u) << step;
    EXPECT_EQ(shown.boxes[0].text, report);
    EXPECT_EQ(failing.calls.back(), "ExitWindowsEx") << step;
  }
}

TEST_F(PowerOff, SeveralFailuresGiveOneBoxEachInOrder) {
  power.failWith = {{"OpenProcessToken", {5, true}}, {"AdjustTokenPrivileges", {6, true}}};
  PowerOffMachine(power, dialogs, 1);
  EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"OpenProcessToken error==5",
                                                L"AdjustTokenPrivileges error==6"}));
  EXPECT_TRUE(power.closed.empty());  // no token was opened
}

TEST_F(PowerOff, ErrorValuesAreWrittenAsSignedNumbers) {
  power.failWith = {{"LookupPrivilegeValueA", {0x80070005u, true}}};
  PowerOffMachine(power, dialogs, 1);
  EXPECT_EQ(Texts(), std::vector<std::wstring>{L"LookupPrivilegeValue error==-2147024891"});
}

TEST_F(PowerOff, ARefusedPowerOffIsReported) {
  power.failWith = {{"ExitWindowsEx", {1314, true}}};
  PowerOffMachine(power, dialogs, 0);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, L"ExitWindowsEx error==1314");
  EXPECT_EQ(dialogs.boxes[0].style, 0u);
  EXPECT_EQ(dialogs.boxes[0].title, L"Duskfall");
}

TEST_F(PowerOff, AnAcceptedPowerOffShowsNothing) {
  power.failWith = {{"ExitWindowsEx", {183, false}}};  // success, with a stale error value
  PowerOffMachine(power, dialogs, 0);
  EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace duskfall::testing
