// The x64 package's work, checked by tests/e2e/wine-run --install between its steps in one prefix.
#include <gtest/gtest.h>

#include "e2e/driver.h"

namespace duskfall::e2e {
namespace {

constexpr wchar_t kVendorKey[] = L"SOFTWARE\\{4924567}";

// Run from a copy of the driver in the installation folder, so that Program starts the
// installed Duskfall.exe.
TEST(Installed, TheProgramStoresItsPathForLogonAndSetupLeavesItAlone) {
  const std::wstring installed = Program::Directory() + L"\\Duskfall.exe";
  ASSERT_EQ(ReadString(kAppPathsKey, L""), installed);
  const Program program;
  program.ChooseMode(2);
  SetText(program.Minutes(), L"45");
  ASSERT_TRUE(program.ChooseTrayItem(1));
  ASSERT_TRUE(WaitUntil([&] { return program.CountingDown(); }));
  EXPECT_EQ(ReadString(kRunKey, L"Duskfall"), L"\"" + installed + L"\"");
  // A silent installation over the running program gives up.
  const HANDLE setup = StartProcess(L"\"" + std::wstring(_wgetenv(L"DUSKFALL_SETUP")) + L"\" /S");
  DWORD exitCode = 0;
  EXPECT_EQ(WaitForSingleObject(setup, 30000), WAIT_OBJECT_0);
  EXPECT_TRUE(GetExitCodeProcess(setup, &exitCode) && exitCode == 2) << exitCode;
  CloseHandle(setup);
  EXPECT_TRUE(program.Running());
  // Not the program's: the uninstallation leaves these.
  WriteString(kRunKey, L"Other", L"C:\\windows\\notepad.exe");
  WriteString(kVendorKey, L"Other", L"not Duskfall's");
}

TEST(Uninstalled, WhatIsTheProgramsIsGoneAndTheRestStays) {
  EXPECT_EQ(ReadString(kAppPathsKey, L""), kMissing);
  EXPECT_EQ(ReadString(kRunKey, L"Duskfall"), kMissing);
  EXPECT_EQ(ReadString(kSettingsKey, kMinutesValue), kMissing);
  EXPECT_EQ(ReadString(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Duskfall",
                       L"DisplayName"),
            kMissing);
  EXPECT_EQ(ReadString(kRunKey, L"Other"), L"C:\\windows\\notepad.exe");
  EXPECT_EQ(ReadString(kVendorKey, L"Other"), L"not Duskfall's");
}

}  // namespace
}  // namespace duskfall::e2e
