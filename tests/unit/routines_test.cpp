// The plain routines: the power-off service, the registry rights, the About window and its
// system-information launcher, and the date scale of the time picker.
#include <gtest/gtest.h>

#include "about/about_window.h"
#include "app/texts.h"
#include "fakes/fakes.h"
#include "power/power_off.h"
#include "settings/registry_routines.h"

namespace duskfall::testing {
namespace {

TEST(PowerOff, TheNTFamilyEnablesTheShutdownPrivilegeFirst) {
  Log log;
  FakeSystem sys(log);
  PowerOffMachine(sys, sys, 1);
  EXPECT_EQ(log, (Log{"GetCurrentProcess", "OpenProcessToken 153 40",
                      "LookupPrivilegeValueA '' SeShutdownPrivilege",
                      "AdjustTokenPrivileges 68 0 1 19 2 16", "CloseHandle 68",
                      "ExitWindowsEx 12 4294967295"}));
  for (std::int32_t notNT : {0, -1}) {
    log.clear();
    PowerOffMachine(sys, sys, notNT);
    EXPECT_EQ(log, Log{"ExitWindowsEx 12 4294967295"});
  }
  EXPECT_TRUE(sys.boxes.empty());
  EXPECT_EQ(PlatformIsNTFromVersion(0x7FFFFFFF), 1);
  EXPECT_EQ(PlatformIsNTFromVersion(0x80000000), 0);
}

TEST(PowerOff, EachFailedStepIsReportedOnceUnderItsOwnNameAndThePowerOffFollows) {
  struct Row {
    const char* step;
    std::uint32_t error;
    bool fails;  // or succeeds and still leaves the error behind
    std::int32_t platformIsNT;
    const wchar_t* report;
  };
  for (const Row& row :
       {Row{"GetCurrentProcess", 6, true, 1, L"GetCurrentProcess error==6"},
        {"OpenProcessToken", 5, true, 1, L"OpenProcessToken error==5"},
        {"LookupPrivilegeValueA", 0x80070005, true, 1, L"LookupPrivilegeValue error==-2147024891"},
        {"AdjustTokenPrivileges", 1300, false, 1, L"AdjustTokenPrivileges error==1300"},
        {"ExitWindowsEx", 1314, true, 0, L"ExitWindowsEx error==1314"},
        {"ExitWindowsEx", 183, false, 0, nullptr}}) {
    Log log;
    FakeSystem sys(log);
    sys.failWith[row.step] = {row.error, row.fails};
    PowerOffMachine(sys, sys, row.platformIsNT);
    const std::vector<Box> reports{{row.report ? row.report : L"", kMbOk, kAppTitle}};
    EXPECT_EQ(sys.boxes, row.report ? reports : std::vector<Box>{}) << row.step;
    EXPECT_TRUE(log.back().starts_with("ExitWindowsEx"));
    EXPECT_EQ(std::count(log.begin(), log.end(), "CloseHandle 0"), 0);
  }
}

TEST(RegistryRoutines, ReadsAskForReadRightsOnlyAndEveryKeyIsClosedAtOnce) {
  Log log, keys;
  FakeRegistry registry;
  registry.log = &log;
  FakeSystem sys(log);
  const Registry routines{registry, sys};
  registry.PutText("K", "v", "1");
  std::wstring text;
  ReadRegistryString(routines, L"-2147483646", L"K", L"v", text);
  CreateRegistryKey(routines, L"K", kHkeyLocalMachineValue);
  WriteMachineValue(routines, L"K", L"v", std::wstring(L"2"), kRegSz);
  GetKeyValue(routines, kHkeyLocalMachine, L"K", L"v", text);
  std::copy_if(log.begin(), log.end(), std::back_inserter(keys),
               [](const std::string& call) { return call.find("Key") != std::string::npos; });
  EXPECT_EQ(keys,
            (Log{"RegOpenKeyExA K 131097", "RegCloseKey", "RegCreateKeyExA K 63", "RegCloseKey",
                 "RegOpenKeyExA K 63", "RegCloseKey", "RegOpenKeyExA K 131097", "RegCloseKey"}));
}

std::vector<std::uint8_t> Sz(const std::string& text) {
  return std::vector<std::uint8_t>(text.c_str(), text.c_str() + text.size() + 1);
}

TEST(AboutWindow, GetKeyValueGivesTextsAndIntegersAndFailsPlainly) {
  struct Row {
    int type;  // -1: no value, -2: no key either
    std::vector<std::uint8_t> data;
    std::optional<bool> read;
    std::wstring text;  // "old" on entry
  };
  for (const Row& row : {Row{kRegSz, Sz("C:\\x"), true, L"C:\\x"},
                         {kRegSz, {'a', 'b'}, true, L"ab"},
                         {kRegSz, Sz(std::string(1023, 'x')), true, std::wstring(1023, L'x')},
                         {kRegSz, Sz(std::string(1024, 'x')), false, L""},
                         {kRegSz, {}, std::nullopt, L"old"},
                         {kRegDword, {0x0A, 0x01, 0xFF, 0x12}, true, L"&hold12FF1A"},
                         {kRegExpandSz, Sz("%x%"), true, L"old"},
                         {-1, {}, false, L""},
                         {-2, {}, false, L""}}) {
    Log log;
    FakeSystem sys(log);
    FakeRegistry registry;
    if (row.type != -2) registry.keys["k"];
    if (row.type >= 0) registry.Put("K", "v", row.type, row.data);
    std::wstring text = L"old";
    EXPECT_EQ(GetKeyValue({registry, sys}, kHkeyLocalMachine, L"K", L"v", text), row.read);
    EXPECT_EQ(text, row.text);
    EXPECT_TRUE(registry.handles.empty());
  }
}

TEST(AboutWindow, SystemInformationStartsFromThePathOrTheFolderOrIsUnavailable) {
  struct Row {
    const char* path;  // nullptr: no value; "": a value without data
    bool toolInFolder;
    Log started;
    bool unavailable;
  };
  for (const Row& row : {Row{"C:\\T\\m.exe", true, {"StartProgram C:\\T\\m.exe"}, false},
                         {"C:\\Gone.exe", true, {"StartProgram C:\\Gone.exe"}, true},
                         {nullptr, true, {"StartProgram C:\\T\\MSINFO32.EXE"}, false},
                         {nullptr, false, {}, true},
                         {"", true, {}, true}}) {
    Log log;
    FakeSystem sys(log);
    FakeRegistry registry;
    if (row.path != nullptr) {
      registry.Put("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", kRegSz,
                   *row.path ? Sz(row.path) : std::vector<std::uint8_t>{});
    }
    registry.PutText("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\T");
    if (row.toolInFolder) sys.files = {L"C:\\T\\MSINFO32.EXE"};
    sys.startable = {L"C:\\T\\m.exe", L"C:\\T\\MSINFO32.EXE"};
    StartSysInfo({registry, sys}, sys, sys);
    EXPECT_EQ(log, row.started);
    const std::vector<Box> box{{kMsgSysInfoUnavailable, kMbOk, kAppTitle}};
    EXPECT_EQ(sys.boxes, row.unavailable ? box : std::vector<Box>{});
  }
}

TEST(AboutWindow, LoadWritesTitleAndVersionAndOkUnloads) {
  Log log;
  FakeSystem sys(log);
  FakeRegistry registry;
  FakeWindow window("frmAbout", log, true);
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
