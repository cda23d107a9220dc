// The plain routines: the power-off service, the registry rights, the About window and its
// system-information launcher, and the date scale of the time picker.
#include <gtest/gtest.h>

#include "about/about_window.h"
#include "app/texts.h"
#include "fakes/fakes.h"
#include "power/power_off.h"

namespace duskfall::testing {
namespace {

Bytes Sz(const std::string& text) { return Bytes(text.c_str(), text.c_str() + text.size() + 1); }

TEST(PowerOff, TheNTFamilyEnablesTheShutdownPrivilegeFirst) {
  Log log;
  FakeSystem sys(log);
  PowerOffMachine(sys, sys, 1);
  EXPECT_EQ(log, (Log{"GetCurrentProcess", "OpenProcessToken 153 40",
                      "LookupPrivilegeValueA '' SeShutdownPrivilege",
                      "AdjustTokenPrivileges 68 0 1 19 2 16", "CloseHandle 68",
                      "ExitWindowsEx 12 4294967295"}));
  for (std::int32_t notNT : {0, -1}) {
    log.clear(), PowerOffMachine(sys, sys, notNT);
    EXPECT_EQ(log, Log{"ExitWindowsEx 12 4294967295"});
  }
  EXPECT_TRUE(sys.boxes.empty());
  EXPECT_EQ(std::pair(PlatformIsNTFromVersion(0x7FFFFFFF), PlatformIsNTFromVersion(0x80000000)),
            std::pair(1, 0));
}

TEST(PowerOff, EachFailedStepIsReportedOnceUnderItsOwnNameAndThePowerOffFollows) {
  // The call, the error it leaves, whether it also fails, the platform flag, the report.
  for (auto [step, error, fails, nt, report] :
       std::vector<std::tuple<std::string, std::uint32_t, bool, int, const wchar_t*>>{
           {"GetCurrentProcess", 6, true, 1, L"GetCurrentProcess error==6"},
           {"OpenProcessToken", 5, true, 1, L"OpenProcessToken error==5"},
           {"LookupPrivilegeValueA", 0x80070005, true, 1,
            L"LookupPrivilegeValue error==-2147024891"},
           {"AdjustTokenPrivileges", 1300, false, 1, L"AdjustTokenPrivileges error==1300"},
           {"ExitWindowsEx", 1314, true, 0, L"ExitWindowsEx error==1314"},
           {"ExitWindowsEx", 183, false, 0, nullptr}}) {
    Log log;
    FakeSystem sys(log);
    sys.failWith[step] = {error, fails};
    PowerOffMachine(sys, sys, nt);
    EXPECT_EQ(sys.boxes, Shown(report, kMbOk, kAppTitle)) << step;
    EXPECT_TRUE(log.back().starts_with("ExitWindowsEx"));
    EXPECT_EQ(std::count(log.begin(), log.end(), "CloseHandle 0"), 0);
  }
}

TEST(RegistryRoutines, ReadsAskForReadRightsOnlyAndEveryKeyIsClosedAtOnce) {
  Log log, keys;
  FakeSystem ansi(log);
  FakeRegistry registry;
  registry.log = &log;
  const Registry routines{registry, ansi};
  registry.PutText("K", "v", "1");
  std::wstring text;
  ReadRegistryString(routines, L"-2147483646", L"K", L"v", text);
  CreateRegistryKey(routines, L"K", kHkeyLocalMachineValue);
  WriteMachineValue(routines, L"K", L"v", L"2", kRegSz);
  GetKeyValue(routines, kHkeyLocalMachine, L"K", L"v", text);
  std::copy_if(log.begin(), log.end(), std::back_inserter(keys),
               [](auto& call) { return call.find("Key") != std::string::npos; });
  EXPECT_EQ(keys,
            (Log{"RegOpenKeyExA k 131097", "RegCloseKey", "RegCreateKeyExA k 63", "RegCloseKey",
                 "RegOpenKeyExA k 63", "RegCloseKey", "RegOpenKeyExA k 131097", "RegCloseKey"}));
}

TEST(AboutWindow, GetKeyValueGivesTextsAndIntegersAndFailsPlainly) {
  // The stored type (-1: no value, -2: no key either) and data; the result and the text, which
  // is "old" on entry.
  for (auto [type, data, read, text] :
       std::vector<std::tuple<int, Bytes, std::optional<bool>, std::wstring>>{
           {kRegSz, Sz("C:\\x"), true, L"C:\\x"},
           {kRegSz, {'a', 'b'}, true, L"ab"},
           {kRegSz, Sz(std::string(1023, 'x')), true, std::wstring(1023, L'x')},
           {kRegSz, Sz(std::string(1024, 'x')), false, L""},
           {kRegSz, {}, std::nullopt, L"old"},
           {kRegDword, {0x0A, 0x01, 0xFF, 0x12}, true, L"&hold12FF1A"},
           {kRegExpandSz, Sz("%x%"), true, L"old"},
           {-1, {}, false, L""},
           {-2, {}, false, L""}}) {
    Log log;
    FakeSystem ansi(log);
    FakeRegistry registry;
    if (type != -2) registry.keys["k"];
    if (type >= 0) registry.Put("K", "v", type, data);
    std::wstring value = L"old";
    EXPECT_EQ(GetKeyValue({registry, ansi}, kHkeyLocalMachine, L"K", L"v", value), read) << type;
    EXPECT_EQ(value, text);
    EXPECT_TRUE(registry.handles.empty());
  }
}

TEST(AboutWindow, SystemInformationStartsFromThePathOrTheFolderOrIsUnavailable) {
  // The PATH value (nullptr: none; "": no data), whether the folder holds the tool; the start.
  for (auto [path, inFolder, started, unavailable] :
       std::vector<std::tuple<const char*, bool, Log, bool>>{
           {"C:\\T\\m.exe", true, {"StartProgram C:\\T\\m.exe"}, false},
           {"C:\\Gone.exe", true, {"StartProgram C:\\Gone.exe"}, true},
           {nullptr, true, {"StartProgram C:\\T\\MSINFO32.EXE"}, false},
           {nullptr, false, {}, true},
           {"", true, {}, true}}) {
    Log log;
    FakeSystem sys(log);
    FakeRegistry registry;
    if (path)
      registry.Put("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", kRegSz,
                   *path ? Sz(path) : Bytes{});
    registry.PutText("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\T");
    if (inFolder) sys.files = {L"C:\\T\\MSINFO32.EXE"};
    sys.startable = {L"C:\\T\\m.exe", L"C:\\T\\MSINFO32.EXE"};
    StartSysInfo({registry, sys}, sys, sys);
    EXPECT_EQ(log, started);
    EXPECT_EQ(sys.boxes, Shown(unavailable ? kMsgSysInfoUnavailable : nullptr, kMbOk, kAppTitle));
  }
}

TEST(AboutWindow, LoadWritesTitleAndVersionAndOkUnloads) {
  Log log;
  FakeSystem sys(log);
  FakeRegistry registry;
  FakeWindow window("frmAbout", log);
  FakeControl title(log), version(log);
  FrmAbout about(window, {&title, &version}, {registry, sys}, sys, sys);
  about.Form_Load();
  EXPECT_EQ(window.caption + L"|" + title.text + L"|" + version.text,
            L"About Duskfall|Duskfall|Version 1.0.2");
  about.cmdOK_Click();
  EXPECT_FALSE(window.loaded);
}

TEST(DateTimeScale, CountsDaysFromThe30thOfDecember1899BothWays) {
  EXPECT_EQ(DateTime::FromCivil({1900, 1, 1, 12, 34, 56}), (DateTime{2, 45296}));
  EXPECT_EQ(DateTime::FromCivil({2000, 3, 1}).days, 36586);
  for (std::int32_t day = -109205; day <= 2958465; day += 997) {
    EXPECT_EQ(DateTime::FromCivil(DateTime{day, 1}.ToCivil()), (DateTime{day, 1}));
  }
}

}  // namespace
}  // namespace duskfall::testing
