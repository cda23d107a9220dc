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
      {{kElevatedSwitch, L"Clear"}, "", kQuoted, "1 2 30|" + kQuoted},
      {{kElevatedSwitch, L"clear"}, kRun, kQuoted, "2 2 30|" + kQuoted},
      {{kElevatedSwitch, L"remove"}, "", kQuoted, "0 1 -|-"},
      {{kElevatedSwitch, L"remove"}, "", "C:\\other.exe", "0 1 -|C:\\other.exe"},
      {{kElevatedSwitch, L"remove"}, kRun, kProgram, "2 2 30|" + kProgram},
      {{kElevatedSwitch, L"remove"}, kSettings, kQuoted, "2 2 30|" + kQuoted}};
  // clang-format on
  for (const auto& [arguments, denied, runBefore, expected] : rows) {
    Rig r(false);  // only its registry and code page: the window never starts
    r.registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
    r.registry.Put(kRun, "Duskfall", kRegSz, Sz(runBefore));
    r.registry.Put(vendor, "Other", kRegSz, Sz("not Duskfall's"));  // it stays, with its key
    r.registry.readOnly = {denied};
    const int code = RunElevatedRequest(ReadStartArguments(arguments, L"."), {r.registry, r.sys});
    const std::size_t keysLeft = r.registry.keys.count(kSettings) + r.registry.keys.count(vendor);
    EXPECT_EQ(std::to_string(code) + " " + std::to_string(keysLeft) + " " +
                  r.registry.Text(kSettings, kMinutes) + "|" + r.registry.Text(kRun, "Duskfall"),
              expected);
  }
}

// The tray item refused for want of rights: where Windows can give them (a limited token with
// User Account Control) it asks for consent, and the copy's answer decides what follows.
TEST(LogonConsent, ARefusedWriteAsksOnlyWithALimitedTokenAndGoesOnAsTheCopysAnswerSays) {
  const std::string set = "RunElevated --elevated-logon-setting set \"45\"|";
  const std::string clear = "RunElevated --elevated-logon-setting clear|";
  // Cancelling, the process's rights, the key it may not write and the one not there, the
  // copy's exit code; the consent asked for, the boxes shown and the two captions after.
  // clang-format off
  const std::vector<std::tuple<bool, Elevation, std::string, std::string,
                               std::optional<std::uint32_t>, std::string>> rows{
      {false, Elevation::kLimited, kSettings, "", 0u, set + "0 Cancel Duskfall Cancel"},
      {false, Elevation::kLimited, kSettings, "", std::nullopt, set + "1 &Set Duskfall Set"},
      {false, Elevation::kLimited, kRun, "", 2u, set + "1 &Set Duskfall Set"},
      {false, Elevation::kFull, kSettings, "", 0u, "|1 &Set Duskfall Set"},
      {false, Elevation::kNoUac, kSettings, "", 0u, "|1 &Set Duskfall Set"},
      {false, Elevation::kLimited, "", kSettings, 0u, "|1 &Set Duskfall Set"},
      {true, Elevation::kLimited, kRun, "", 0u, clear + "0 &Set Duskfall Set"},
      {true, Elevation::kLimited, kSettings, "", std::nullopt, clear + "1 Cancel Duskfall Set"}};
  // clang-format on
  for (const auto& [cancel, elevation, denied, gone, exitCode, expected] : rows) {
    Rig r;
    r.registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
    r.registry.readOnly = {denied};
    r.registry.keys.erase(gone);
    r.sys.elevation = elevation;
    r.sys.elevatedExit = exitCode;
    r.c.mpopdsk->SetText(cancel ? Text(kMenuCancelDuskfall) : Text(kMenuSetDuskfall));
    r.Choose(Text(kModeRelativeTime), L"45");
    r.form.mpopdsk_Click();
    const auto ask =
        std::ranges::find_if(r.log, [](auto& call) { return call.starts_with("Run"); });
    EXPECT_EQ((ask == r.log.end() ? "" : *ask) + "|" + std::to_string(r.sys.boxes.size()) + " " +
                  r.sys.ToAnsi(r.c.mpopdsk->Text()) + " " + r.sys.ToAnsi(r.c.CmdSaS[0]->Text()),
              expected);
  }
}

}  // namespace
}  // namespace duskfall::testing
