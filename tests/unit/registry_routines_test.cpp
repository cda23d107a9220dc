// What the registry routines ask of the registry: the rights, the handles, the conversions.
// The cases that any registry must answer alike are in the contract tests.
#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"
#include "settings/registry_routines.h"

namespace duskfall::testing {
namespace {

class RegistryRoutines : public ::testing::Test {
 protected:
  Registry Routines() { return Registry{registry, ansi}; }
  FakeRegistry registry;
  FakeAnsiCodePage ansi;
};

TEST_F(RegistryRoutines, ReadsWithReadRightsAndWritesWithTheFullSpecificRights) {
  registry.PutString("SOFTWARE\\Test", "v", "1");
  std::wstring text;
  ReadRegistryString(Routines(), L"-2147483646", L"SOFTWARE\\Test", L"v", text);
  CreateRegistryKey(Routines(), L"SOFTWARE\\Test", -2147483646);
  WriteMachineValue(Routines(), L"SOFTWARE\\Test", L"v", std::wstring(L"2"), kRegSz);
  EXPECT_EQ(registry.requestedAccess, (std::vector<std::uint32_t>{0x20019, 63, 63}));
  EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST_F(RegistryRoutines, ARootThatIsNotANumberReadsNothing) {
  registry.PutString("SOFTWARE\\Test", "v", "1");
  for (const wchar_t* root : {L"", L"HKLM", L"99999999999"}) {
    std::wstring text = L"old";
    ReadRegistryString(Routines(), root, L"SOFTWARE\\Test", L"v", text);
    EXPECT_EQ(text, L"");
  }
  EXPECT_TRUE(registry.requestedAccess.empty());
}

TEST_F(RegistryRoutines, AKeyThatCannotBeCreatedIsPassedOverSilently) {
  registry.DenyCreateUnder("SOFTWARE");
  CreateRegistryKey(Routines(), L"SOFTWARE\\{4924567}\\{x}", -2147483646);
  EXPECT_FALSE(registry.HasKey("SOFTWARE\\{4924567}"));
  EXPECT_EQ(registry.OpenHandles(), 0);
}

TEST_F(RegistryRoutines, TextOutsideTheCodePageIsWrittenAsItsAnsiForm) {
  registry.CreateKey("SOFTWARE\\Test");
  WriteMachineValue(Routines(), L"SOFTWARE\\Test", L"v", std::wstring(L"caf\u00e9 \u2192"), kRegSz);
  EXPECT_EQ(registry.ValueData("SOFTWARE\\Test", "v"),
            (std::vector<std::uint8_t>{'c', 'a', 'f', 0xE9, ' ', '?', 0}));
}

TEST_F(RegistryRoutines, IntegerWritesRefuseTextThatIsNoInteger) {
  registry.CreateKey("SOFTWARE\\Test");
  RegKey key = 0;
  registry.RegOpenKeyExA(kHkeyLocalMachine, "SOFTWARE\\Test", 0, kKeyAccess, &key);
  EXPECT_EQ(WriteTypedValue(Routines(), key, L"n", kRegDword, std::wstring(L"12x")),
            kErrorInvalidParameter);
  EXPECT_EQ(WriteTypedValue(Routines(), key, L"n", kRegDword, RegValue{}), kErrorInvalidParameter);
  registry.RegCloseKey(key);
  EXPECT_FALSE(registry.HasValue("SOFTWARE\\Test", "n"));
}

TEST_F(RegistryRoutines, AShortIntegerReadsOnlyTheBytesThereAre) {
  registry.PutValue("SOFTWARE\\Test", "n", kRegDword, {0x34, 0x12});
  std::wstring text;
  ReadRegistryString(Routines(), L"-2147483646", L"SOFTWARE\\Test", L"n", text);
  EXPECT_EQ(text, L"4660");
}

TEST_F(RegistryRoutines, TextLongerThanAnyBufferIsReadWhole) {
  const std::string path(5000, 'x');
  registry.PutString("SOFTWARE\\Test", "path", path);
  std::wstring text;
  ReadRegistryString(Routines(), L"-2147483646", L"SOFTWARE\\Test", L"path", text);
  EXPECT_EQ(text, std::wstring(5000, L'x'));
}

}  // namespace
}  // namespace duskfall::testing
