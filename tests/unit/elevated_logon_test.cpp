// The logon count-down out of a user's reach: the copy that runs as administrator with the
// private arguments, and the consent that the tray item asks for.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "settings/elevated_logon_setting.h"
#include "settings/settings_keys.h"

namespace duskfall::testing {
namespace {

const std::string kSettings = Lower(kSettingsKey), kMinutes = Lower(kStoredMinutesValue);
const std::string kRun = Lower(kRunKey), kVendor = "software\\{4924567}";
const std::string kProgram = "C:\\Program Files\\Duskfall.exe", kQuoted = '"' + kProgram + '"';

TEST(ElevatedLogonSetting, WritesBothValuesOrNoneAndRefusesAnyOtherArguments) {
  const std::wstring s = kElevatedSwitch;
  const std::string other = "C:\\other.exe";
  // The arguments, the key it may not write and the Run command before; its exit code, how many
  // of the settings key and the key above it are left, and the minutes and Run command after
  // ("-": no value).
  // clang-format off
  const std::vector<std::tuple<std::vector<std::wstring>, std::string, std::string, std::string>> rows{
      {{s, L"set", L" 1.5 "}, "", "", "0 2  1.5 |" + kQuoted},
      {{s, L"set", L"45"}, kRun, "", "2 2 30|"},
      {{s, L"set", L"45"}, kSettings, "", "2 2 30|"},
      {{s, L"Clear"}, "", kQuoted, "1 2 30|" + kQuoted},
      {{s, L"clear"}, "", kQuoted, "0 2 |"},
      {{s, L"clear"}, kRun, kQuoted, "2 2 |" + kQuoted},
      {{s, L"remove"}, "", kQuoted, "0 0 -|-"},
      {{s, L"remove"}, "", "", "0 0 -|-"},
      {{s, L"remove"}, "", other, "0 0 -|" + other},
      {{s, L"remove"}, kRun, kProgram, "2 2 30|" + kProgram},
      {{s, L"remove"}, kSettings, kQuoted, "2 2 30|" + kQuoted}};
  // clang-format on
  for (const auto& [arguments, denied, runBefore, expected] : rows) {
    Log log;
    FakeSystem ansi(log);
    FakeRegistry registry;
    registry.Put(Lower(kAppPathsKey), "", kRegSz, Sz(kProgram));
    registry.Put(kSettings, kMinutes, kRegSz, Sz("30"));
    registry.Put(kRun, "Duskfall", kRegSz, Sz(runBefore));
    registry.keys[kVendor];
    registry.readOnly = {denied};
    const int exitCode = RunElevatedRequest(ReadStartArguments(arguments, L"."), {registry, ansi});
    const std::size_t keysLeft = registry.keys.count(kSettings) + registry.keys.count(kVendor);
    EXPECT_EQ(std::to_string(exitCode) + " " + std::to_string(keysLeft) + " " +
                  registry.Text(kSettings, kMinutes) + "|" + registry.Text(kRun, "Duskfall"),
              expected)
        << ansi.ToAnsi(arguments[1]) << " " << denied;
    EXPECT_TRUE(registry.handles.empty());
  }
}

}  // namespace
}  // namespace duskfall::testing
