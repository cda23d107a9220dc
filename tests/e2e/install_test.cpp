// The x64 installer and uninstaller, step by step. tests/e2e/install-test runs these groups in
// order in one Wine prefix, installing the package in between: what the installation puts on
// disk and in the registry, the installed program storing its own quoted path for logon, an
// installation over a running program and over an existing one, and an uninstallation that
// takes away what is the program's and leaves what is not.
#include "e2e/driver.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "app/version.h"

namespace duskfall::e2e {
namespace {

constexpr int kLogonItem = 1;
constexpr int kExitItem = 3;
constexpr wchar_t kMainWindowClass[] = L"DuskfallForm1";

const std::wstring kInstallDir = L"C:\\Program Files\\Duskfall";
const std::wstring kInstalledProgram = kInstallDir + L"\\Duskfall.exe";
const std::wstring kUninstaller = kInstallDir + L"\\Uninstall.exe";
// Another copy of the program, somewhere else, that registered itself.
const std::wstring kOtherCopy = L"C:\\Other Place\\Duskfall.exe";

constexpr wchar_t kAppPathsKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Duskfall.exe";
constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Duskfall";
constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kVendorKey[] = L"SOFTWARE\\{4924567}";
constexpr wchar_t kSettingsKey[] = L"SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";
constexpr wchar_t kMissing[] = L"<missing>";

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

std::wstring Version() {
  return std::to_wstring(DUSKFALL_VERSION_MAJOR) + L"." + std::to_wstring(DUSKFALL_VERSION_MINOR) +
         L"." + std::to_wstring(DUSKFALL_VERSION_PATCH);
}

// The registry as the x64 program sees it: the 64-bit view.
std::wstring MachineString(const wchar_t* keyPath, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return kMissing;
  }
  wchar_t value[1024] = {};
  DWORD size = sizeof value;
  const LSTATUS status = RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, value, &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? value : kMissing;
}

void SetMachineString(const wchar_t* keyPath, const wchar_t* name, const std::wstring& text) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

bool MachineKeyExists(const wchar_t* keyPath) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

std::wstring StartMenuShortcut() {
  wchar_t path[MAX_PATH] = {};
  ExpandEnvironmentStringsW(
      L"%ProgramData%\\Microsoft\\Windows\\Start Menu\\Programs\\Duskfall.lnk", path, MAX_PATH);
  return path;
}

// The package under test, named by tests/e2e/install-test.
std::wstring SetupProgram() {
  wchar_t path[MAX_PATH] = {};
  GetEnvironmentVariableW(L"DUSKFALL_SETUP", path, MAX_PATH);
  return path;
}

struct Ended {
  DWORD processId = 0;
  std::optional<DWORD> exitCode;  // none when it did not start or did not end in time
};

Ended RunToEnd(const std::wstring& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = commandLine;
  Ended ended;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return ended;
  }
  ended.processId = process.dwProcessId;
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(kDeadline.count())) ==
          WAIT_OBJECT_0 &&
      GetExitCodeProcess(process.hProcess, &code)) {
    ended.exitCode = code;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended;
}

// The processes that a process started and that still run.
std::vector<HANDLE> RunningChildrenOf(DWORD parentId) {
  std::vector<HANDLE> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return children;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID != parentId) continue;
    HANDLE child =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (child != nullptr) children.push_back(child);
  }
  CloseHandle(snapshot);
  return children;
}

// Uninstalls silently, as Add/Remove Programs' quiet command does. The uninstaller copies itself
// to a temporary folder, starts the copy and ends at once, so that the copy can remove the
// uninstaller's own file; the exit code is the copy's when it was still running to be waited for.
std::optional<DWORD> Uninstall() {
  const Ended first = RunToEnd(Quoted(kUninstaller) + L" /S");
  if (!first.exitCode || *first.exitCode != 0) return first.exitCode;
  std::optional<DWORD> result = first.exitCode;
  for (HANDLE copy : RunningChildrenOf(first.processId)) {
    DWORD code = 0;
    if (WaitForSingleObject(copy, static_cast<DWORD>(kDeadline.count())) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(copy, &code)) {
      result = code;
    } else {
      result.reset();
    }
    CloseHandle(copy);
  }
  return result;
}

void ExpectProgramGone() {
  EXPECT_TRUE(WaitUntil([] { return !Exists(kInstallDir); }))
      << "the installation folder is still there";
  EXPECT_FALSE(Exists(kInstalledProgram));
  EXPECT_FALSE(Exists(kUninstaller));
  EXPECT_FALSE(Exists(StartMenuShortcut()));
  // The uninstaller's last act.
  EXPECT_TRUE(WaitUntil([] { return !MachineKeyExists(kUninstallKey); }))
      << "Add/Remove Programs still lists it";
}

// What an installation leaves, checked after the first one and after one over it.
TEST(Installed, ProgramFilesHoldTheBuiltProgramAndTheUninstaller) {
  ASSERT_TRUE(Exists(kInstalledProgram));
  EXPECT_TRUE(Exists(kUninstaller));
  const std::string built = FileBytes(Program::Directory() + L"\\Duskfall.exe");
  ASSERT_FALSE(built.empty());
  EXPECT_TRUE(FileBytes(kInstalledProgram) == built)
      << "the installed Duskfall.exe is not the one this build made";
}

TEST(Installed, AppPathsNamesTheInstalledProgram) {
  EXPECT_EQ(MachineString(kAppPathsKey, L""), kInstalledProgram);
}

TEST(Installed, AddRemoveProgramsListsItWithItsUninstaller) {
  EXPECT_EQ(MachineString(kUninstallKey, L"DisplayName"), L"Duskfall");
  EXPECT_EQ(MachineString(kUninstallKey, L"DisplayVersion"), Version());
  EXPECT_EQ(MachineString(kUninstallKey, L"InstallLocation"), kInstallDir);
  EXPECT_EQ(MachineString(kUninstallKey, L"UninstallString"), Quoted(kUninstaller));
  EXPECT_EQ(MachineString(kUninstallKey, L"QuietUninstallString"), Quoted(kUninstaller) + L" /S");
}

TEST(Installed, TheStartMenuShortcutStartsTheInstalledProgram) {
  const std::wstring shortcut = StartMenuShortcut();
  ASSERT_TRUE(Exists(shortcut));
  SHELLEXECUTEINFOW execute{};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOASYNC;
  execute.lpFile = shortcut.c_str();
  execute.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&execute));
  EXPECT_TRUE(WaitUntil([] { return WindowFromImage(kMainWindowClass, kInstalledProgram); }));
  EXPECT_TRUE(EndProgramsWithWindow(kMainWindowClass));
}

// Run from a copy of the driver in the installation folder, so that Program starts the installed
// Duskfall.exe.
TEST(InstalledProgram, StoresItsQuotedPathForTheLogonCountDown) {
  ASSERT_EQ(Program::Directory(), kInstallDir) << "the driver must run from the installation";
  Program program;
  const HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "the installed program showed no main window";
  EXPECT_TRUE(WindowFromImage(kMainWindowClass, kInstalledProgram));
  const MainWindowView view(window);
  view.ChooseMode(2);
  ASSERT_EQ(view.ModeText(), L"Relative Time");
  view.SetMinutes(L"45");
  ASSERT_TRUE(ChooseTrayMenuItem(program, window, kLogonItem));
  ASSERT_TRUE(WaitUntil([&] { return view.Running(); }));
  EXPECT_EQ(StoredLogonMinutes(), L"45");
  // The path has a blank: unquoted, Windows would try C:\Program.exe first.
  EXPECT_EQ(RunValue(), Quoted(kInstalledProgram));

  ASSERT_TRUE(ChooseTrayMenuItem(program, window, kExitItem));
  EXPECT_TRUE(program.WaitForExit());
}

TEST(InstalledProgram, SetupLeavesARunningProgramAlone) {
  ASSERT_FALSE(SetupProgram().empty()) << "DUSKFALL_SETUP names no package";
  Program program;
  ASSERT_NE(program.WaitForMainWindow(), nullptr);
  const std::string before = FileBytes(kInstalledProgram);
  const Ended setup = RunToEnd(Quoted(SetupProgram()) + L" /S");
  ASSERT_TRUE(setup.exitCode.has_value()) << "the installer did not end";
  EXPECT_EQ(*setup.exitCode, 2u) << "a silent installation over a running program must give up";
  EXPECT_TRUE(program.Running());
  EXPECT_TRUE(FileBytes(kInstalledProgram) == before);
}

// After a second installation over the first.
TEST(Reinstalled, KeepsTheLogonCountDown) {
  EXPECT_EQ(StoredLogonMinutes(), L"45");
  EXPECT_EQ(RunValue(), Quoted(kInstalledProgram));
}

// Values that are not the program's, put in place before uninstalling.
constexpr wchar_t kOtherName[] = L"Other";
const std::wstring kOtherRunCommand = L"C:\\windows\\notepad.exe";
const std::wstring kOtherText = L"not Duskfall's";

TEST(Uninstall, EndsSuccessfully) {
  ASSERT_EQ(RunValue(), Quoted(kInstalledProgram)) << "the program's Run value is not in place";
  SetMachineString(kRunKey, kOtherName, kOtherRunCommand);
  SetMachineString(kVendorKey, kOtherName, kOtherText);
  const auto exitCode = Uninstall();
  ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
  EXPECT_EQ(*exitCode, 0u);
}

TEST(Uninstalled, TheProgramItsShortcutAndItsEntriesAreGone) {
  ExpectProgramGone();
  EXPECT_FALSE(MachineKeyExists(kAppPathsKey));
}

TEST(Uninstalled, ItsRunValueAndStoredMinutesAreGone) {
  EXPECT_EQ(RunValue(), kMissing);
  EXPECT_EQ(StoredLogonMinutes(), kMissing);
  EXPECT_FALSE(MachineKeyExists(kSettingsKey)) << "the emptied settings key stayed";
}

TEST(Uninstalled, WhatIsNotTheProgramsStays) {
  EXPECT_EQ(MachineString(kRunKey, kOtherName), kOtherRunCommand);
  EXPECT_EQ(MachineString(kVendorKey, kOtherName), kOtherText);
}

// Each of these runs after a fresh installation.
TEST(RunValueOfAnotherCopy, IsLeftWithThatCopysEntries) {
  ASSERT_TRUE(Exists(kUninstaller));
  SetMachineString(kRunKey, L"Duskfall", Quoted(kOtherCopy));
  SetAppPath(kOtherCopy);
  StoreLogonMinutes(L"30");
  SetMachineString(kSettingsKey, kOtherName, kOtherText);
  const auto exitCode = Uninstall();
  ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
  EXPECT_EQ(*exitCode, 0u);

  ExpectProgramGone();
  EXPECT_EQ(RunValue(), Quoted(kOtherCopy));
  EXPECT_EQ(MachineString(kAppPathsKey, L""), kOtherCopy);
  // The stored minutes are the program's whichever copy stored them; the key keeps the rest.
  EXPECT_EQ(StoredLogonMinutes(), kMissing);
  EXPECT_EQ(MachineString(kSettingsKey, kOtherName), kOtherText);
}

TEST(EmptyRunValue, IsRemoved) {
  ASSERT_TRUE(Exists(kUninstaller));
  // Only the program's own values this time, so that its keys end up empty.
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVendorKey);
  // As the program leaves both when its logon count-down is cancelled.
  SetMachineString(kRunKey, L"Duskfall", L"");
  StoreLogonMinutes(L"");
  const auto exitCode = Uninstall();
  ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
  EXPECT_EQ(*exitCode, 0u);

  ExpectProgramGone();
  EXPECT_EQ(RunValue(), kMissing);
  EXPECT_FALSE(MachineKeyExists(kVendorKey)) << "the emptied settings keys stayed";
}

TEST(UnquotedRunValue, IsRemovedWhateverTheCaseOfItsLetters) {
  ASSERT_TRUE(Exists(kUninstaller));
  SetMachineString(kRunKey, L"Duskfall", L"c:\\program files\\duskfall\\DUSKFALL.EXE");
  const auto exitCode = Uninstall();
  ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
  EXPECT_EQ(*exitCode, 0u);

  ExpectProgramGone();
  EXPECT_EQ(RunValue(), kMissing);
}

}  // namespace
}  // namespace duskfall::e2e
