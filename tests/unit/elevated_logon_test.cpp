// The logon count-down out of a user's reach: the copy that runs as administrator with the
// private arguments, and the consent that the tray item asks for.
#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "settings/elevated_logon_setting.h"

namespace duskfall::testing {
namespace {

const std::string kQuoted = '"' + kProgram + '"';

TEST(ElevatedLogonSetting, WritesBothValuesOrNoneAndRefusesAnyOtherArguments) {
  const std::string vendor = "software\\{4924567}";
  // The arguments, the key it may not write and the Run command before; its exit code, how many
  // of the settings key and the key above it are left, and the minutes and Run command after
  // ("-": no value).
  // clang-format off
  const std::vector<std::tuple<std::vector<std::wstring>, std::string, std::string, std::string>> rows{
      {{kElevatedSwitch, L"set", L" 1.5 "}, "", "", "0 2  1.5 |" + kQuoted},
      {{kElevatedSwitch, L"set", L"45"}, kSettings, "", "2 2 30|"},
      {{kElevatedSwitch, L"set", L"0"}, "", "", "1 2 30|"},
      {{kElevatedSwitch, L"set", L"45", L"C:\\other.exe"}, "", "", "1 2 30|"},
      {{kElevatedSwitch, L"Clear"}, "", kQuoted, "1 2 30|" + kQuoted},
      {{kElevatedSwitch, L"clear"}, kRun, kQuoted, "2 2 30|" + kQuoted},
      {{kElevatedSwitch, L"remove"}, "", kQuoted, "0 1 -|-"},
      {{kElevatedSwitch, L"remove"}, "", "C:\\other.exe", "0 1 -|C:\\other.exe"},
      {{kElevatedSwitch, L"remove"}, "", Lower(kProgram), "0 1 -|-"},
      {{kElevatedSwitch, L"remove"}, kRun, kProgram, "2 2 30|" + kProgram},
      {{kElevatedSwitch, L"remove"}, kSettings, kQuoted, "2 2 30|" + kQuoted}};
  // clang-format on
  for (const auto& [arguments, denied, runBefore, expected] : rows) {
    Rig r(false);  // only its registry and code page: the window never starts
    r.registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
    r.registry.Put(kRun, "Duskfall", kRegSz, Sz(runBefore));
    r.registry.Put(vendor, "Other", kRegSz, Sz("not Duskfall's"));  // it stays, with its key
    r.registry.readOnly = {denied};
    EXPECT_NE(ReadStartArguments(arguments, L".").kind, StartKind::kOrdinary);
    const int code = RunElevatedRequest(ReadStartArguments(arguments, L"."), {r.registry, r.sys});
    const std::size_t keysLeft = r.registry.keys.count(kSettings) + r.registry.keys.count(vendor);
    EXPECT_EQ(std::to_string(code) + " " + std::to_string(keysLeft) + " " +
                  r.registry.Text(kSettings, kMinutes) + "|" + r.registry.Text(kRun, "Duskfall"),
              expected);
  }
  // Minutes in a user's own format pass the command line whole, whatever the separator.
  EXPECT_EQ(ElevatedParameters({ElevatedVerb::kSet, L"1\\\"5\\"}),
            L"--elevated-logon-setting set \"1\\\\\\\"5\\\\\"");
}

// The copy's writes failing one at a time, or from one on, as a full disk or a security product
// may make them fail.
struct FailingRegistry : FakeRegistry {
  int failAt = 0;
  bool onwards = false;
  int writes = 0;
  bool Fails() { return writes++ == failAt || (onwards && writes > failAt + 1); }
  std::int32_t RegSetValueExA(RegKey key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override {
    return Fails() ? kErrorAccessDenied : FakeRegistry::RegSetValueExA(key, name, type, data, size);
  }
  std::int32_t RegDeleteValueA(RegKey key, const std::string& name) override {
    return Fails() ? kErrorAccessDenied : FakeRegistry::RegDeleteValueA(key, name);
  }
  // As Windows does, a key with subkeys stays.
  std::int32_t RegDeleteKeyA(RegKey root, const std::string& key) override {
    const auto below = [&](auto& k) { return k.first.starts_with(Lower(key) + "\\"); };
    const bool parent = std::ranges::any_of(keys, below);
    return Fails() || parent ? kErrorAccessDenied : FakeRegistry::RegDeleteKeyA(root, key);
  }
};

TEST(ElevatedLogonSetting, ExitsWithNothingChangedOrSaysWhatCouldNotBeTakenBack) {
  // The arguments; what is there before (0: no keys, 1: the keys, 2: and a setting, 3: with a Run
  // value that is a number, someone else's); the type of App Paths' value (0: none); the exit
  // codes when the write at each position fails alone, and when every write from there on fails;
  // the keys there once none fails, at the last position.
  // clang-format off
  const std::vector<std::tuple<std::wstring, int, std::uint32_t, std::string, std::string, std::size_t>> rows{
      {L"set", 0, kRegSz, "220", "440", 4},
      {L"set", 1, kRegSz, "220", "240", 4},
      {L"clear", 2, kRegSz, "220", "240", 4},
      {L"remove", 2, kRegSz, "22000", "24000", 2},
      {L"remove", 1, kRegSz, "2000", "2000", 2},
      {L"remove", 3, kRegSz, "2000", "2000", 2},
      {L"set", 1, kRegDword, "3", "3", 4},
      {L"set", 0, 0, "3", "3", 1}};
  // clang-format on
  for (const auto& [verb, before, appPaths, alone, onwards, keysAfter] : rows) {
    for (const bool all : {false, true}) {
      const std::string& codes = all ? onwards : alone;
      for (std::size_t failAt = 0; failAt < codes.size(); ++failAt) {
        Log log;
        FakeSystem sys(log);
        FailingRegistry registry;
        registry.failAt = static_cast<int>(failAt);
        registry.onwards = all;
        registry.keys[kRun];
        if (before > 0) registry.keys[Lower(kVendorKey)];
        if (before > 0) registry.keys[kSettings];
        if (before > 1) registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
        if (before == 2) registry.Put(kRun, "Duskfall", kRegSz, Sz(kQuoted));
        if (before == 3) registry.Put(kRun, "Duskfall", kRegDword, Sz("abc"));  // four bytes
        if (appPaths != 0) registry.Put(Lower(kAppPathsKey), "", appPaths, Sz(kProgram));
        const auto keys = registry.keys;
        std::vector<std::wstring> arguments{kElevatedSwitch, verb};
        if (verb == L"set") arguments.push_back(L"45");
        const int code = RunElevatedRequest(ReadStartArguments(arguments, L"."), {registry, sys});
        EXPECT_EQ(code, codes[failAt] - '0') << Lower(verb) << " " << before << " " << failAt;
        EXPECT_TRUE((code != kExitWriteFailed && code != kExitNoProgram) || registry.keys == keys);
        EXPECT_TRUE(failAt + 1 < codes.size() || registry.keys.size() == keysAfter);
      }
    }
  }
}

// The tray item refused for want of rights: where Windows can give them (a limited token with
// User Account Control) it asks for consent in front of its own window, and the copy's answer,
// which comes later, decides what follows.
TEST(LogonConsent, ARefusedWriteAsksOnlyWithALimitedTokenAndGoesOnAsTheCopysAnswerSays) {
  const std::string set = "StartElevated --elevated-logon-setting set \"45\" 4660|";
  const std::string clear = "StartElevated --elevated-logon-setting clear 4660|";
  // Cancelling, the process's rights, the key it may not write and the one not there, the
  // answer; the box shown, and the consent asked for, the two captions, the timer's interval and
  // the minutes after. While the prompt is open the user chooses Fixed Time and types 7.
  // clang-format off
  const std::vector<std::tuple<bool, Elevation, std::string, std::string, ElevatedAnswer,
                               const wchar_t*, std::string>> rows{
      {false, Elevation::kLimited, kSettings, "", {ElevatedEnd::kExited, 0}, nullptr, set + "Cancel Duskfall Cancel 60000 45"},
      {false, Elevation::kLimited, kSettings, "", {ElevatedEnd::kRefused, 0}, Text(kMsgLogonNotStored).c_str(), set + "&Set Duskfall Set 1000 7"},
      {false, Elevation::kLimited, kRun, "", {ElevatedEnd::kExited, 2}, Text(kMsgLogonNotStored).c_str(), set + "&Set Duskfall Set 1000 7"},
      {false, Elevation::kLimited, kSettings, "", {ElevatedEnd::kNoAnswer, 0}, Text(kMsgLogonNoAnswer).c_str(), set + "&Set Duskfall Set 1000 7"},
      {false, Elevation::kLimited, kSettings, "", {ElevatedEnd::kExited, 3}, Text(kMsgLogonNeedsInstall).c_str(), set + "&Set Duskfall Set 1000 7"},
      {false, Elevation::kFull, kSettings, "", {ElevatedEnd::kExited, 0}, Text(kMsgLogonNotStored).c_str(), "|&Set Duskfall Set 1000 7"},
      {false, Elevation::kNoUac, kSettings, "", {ElevatedEnd::kExited, 0}, Text(kMsgLogonNotStored).c_str(), "|&Set Duskfall Set 1000 7"},
      {false, Elevation::kLimited, "", kRun, {ElevatedEnd::kExited, 0}, nullptr, set + "Cancel Duskfall Cancel 60000 45"},
      {false, Elevation::kLimited, "", Lower(kAppPathsKey), {ElevatedEnd::kExited, 0}, Text(kMsgLogonNeedsInstall).c_str(), "|&Set Duskfall Set 1000 7"},
      {true, Elevation::kLimited, "", kRun, {ElevatedEnd::kRefused, 0}, nullptr, "|&Set Duskfall Set 1000 7"},
      {true, Elevation::kLimited, kRun, "", {ElevatedEnd::kExited, 0}, nullptr, clear + "&Set Duskfall Set 1000 7"},
      {true, Elevation::kLimited, kSettings, "", {ElevatedEnd::kRefused, 0}, Text(kMsgLogonNotCleared).c_str(), clear + "Cancel Duskfall Set 1000 7"}};
  // clang-format on
  for (const auto& [cancel, elevation, denied, gone, answer, box, expected] : rows) {
    Rig r;
    r.registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
    r.registry.readOnly = {denied};
    r.registry.keys.erase(gone);
    r.sys.elevation = elevation;
    r.c.mpopdsk->SetText(cancel ? Text(kMenuCancelDuskfall) : Text(kMenuSetDuskfall));
    r.Choose(Text(kModeRelativeTime), L"45");
    r.form.mpopdsk_Click();
    r.Choose(Text(kModeFixedTime), L"7");
    r.form.ElevatedCopy_Answered(answer);
    const auto ask =
        std::ranges::find_if(r.log, [](auto& call) { return call.starts_with("Start"); });
    EXPECT_EQ(r.sys.boxes, Shown(box, kMbIconInformation, kMainTitle));
    EXPECT_EQ((ask == r.log.end() ? "" : *ask) + "|" + r.sys.ToAnsi(r.c.mpopdsk->Text()) + " " +
                  r.sys.ToAnsi(r.c.CmdSaS[0]->Text()) + " " +
                  std::to_string(r.factory.timer.interval) + " " +
                  r.sys.ToAnsi(r.c.TxtCount->Text()),
              expected);
  }
}

// Until the answer comes nothing else runs: no menu, no second command, no Set, Cancel, Exit or
// About. The count-down's moment still comes, and an answer after it changes nothing.
TEST(LogonConsent, WhileTheAnswerIsAwaitedOnlyTheCountDownGoesOn) {
  Rig r(false);
  r.registry.Put(kSettings, kMinutes, kRegSz, Sz("1"));  // resumed at start-up, a minute to go
  r.Start();
  r.registry.readOnly = {kSettings};
  r.sys.elevation = Elevation::kLimited;
  r.form.mpopdsk_Click();
  r.form.mpopdsk_Click();
  r.form.Form_MouseMove(0, 0, 517 * 15, 0);  // a right click on the icon
  r.form.mpopabout_Click();
  r.form.CmdSaS_Click(0);
  r.form.mpopexit_Click();
  EXPECT_TRUE(r.self.cancel);
  const auto asked = [](auto& call) {
    return call.starts_with("Start") || call == "PopupTrayMenu";
  };
  EXPECT_EQ(std::ranges::count_if(r.log, asked), 1);
  EXPECT_FALSE(r.about.loaded);
  EXPECT_TRUE(r.Running());
  r.form.TMCounter_Timer();
  EXPECT_TRUE(r.Fired());
  r.form.ElevatedCopy_Answered({ElevatedEnd::kExited, 0});
  EXPECT_TRUE(r.sys.boxes.empty());
  EXPECT_EQ(r.c.mpopdsk->Text(), Text(kMenuCancelDuskfall));
}

}  // namespace
}  // namespace duskfall::testing
