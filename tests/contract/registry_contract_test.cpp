// The registry routines against a registry: the same cases run on the in-memory fake and on
// Wine's real registry, so the fake cannot drift from what Windows does.
#include <gtest/gtest.h>

#include <cwctype>
#include <tuple>

#include "contract/registry_backend.h"
#include "about/about_window.h"

namespace duskfall::testing {
namespace {

const std::wstring kKey = L"SOFTWARE\\DuskfallContract";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBackend();
    CreateRegistryKey(Routines(), kKey, kHkeyLocalMachineValue);
  }
  void TearDown() override { EXPECT_EQ(OpenHandles(), 0) << "a key left open"; }
  static Registry Routines() { return Registry{BackendApi(), BackendAnsi()}; }
};

TEST_F(RegistryContract, WrittenValuesReadBackByTheirNameInAnyCase) {
  const std::vector<std::tuple<std::wstring, RegValue, int, std::wstring>> rows{
      // clang-format off
      {L"Minutes", L"30", kRegSz, L"30"},
      {L"", L"C:\\", kRegSz, L"C:\\"},
      {L"empty", L"", kRegSz, L""},
      {L"count", -2, kRegDword, L"-2"},
      {L"text", L"258", kRegDword, L"258"},
      {L"bad", L"12x", kRegDword, L""},
      {L"binary", L"x", kRegBinary, L""}};
  // clang-format on
  for (auto [name, value, type, read] : rows) {
    WriteMachineValue(Routines(), kKey, name, value, type);
    for (wchar_t& c : name) c = std::towupper(c);
    std::wstring text = L"old";
    ReadRegistryString(Routines(), L"-2147483646", kKey, name, text);
    EXPECT_EQ(text, read) << name;
  }
}

TEST_F(RegistryContract, StoredDataIsReadAsItsTypeSaysEvenFromAReadOnlyKey) {
  RegKey key = 0;
  BackendApi().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyAccess, &key);
  // The stored type (0: none) and data; what the registry routines and the About window's
  // reader (given "old") make of it.
  const std::wstring filled(1023, L'x');  // with its NUL, as long as the About window's buffer
  const std::string full = std::string(filled.begin(), filled.end()) + '\0';
  // clang-format off
  const std::vector<std::tuple<std::uint32_t, std::string, int, RegValue, std::optional<bool>,
                               std::wstring>> rows{
      {kRegSz, std::string("C:\\x", 5), kErrorSuccess, L"C:\\x", true, L"C:\\x"},
      {kRegSz, "45", kErrorSuccess, L"45", true, L"45"},
      {kRegSz, "", kErrorSuccess, {}, {}, L"old"},
      {kRegSz, full, kErrorSuccess, filled, true, filled},
      {kRegSz, 'x' + full, kErrorSuccess, L'x' + filled, false, L""},
      {kRegDword, "\x0A\x01\xFF\x12", kErrorSuccess, 0x12FF010A, true, L"&hold12FF1A"},
      {kRegExpandSz, "%x%", kUnsupportedType, {}, true, L"old"},
      {0, "", kErrorFileNotFound, {}, false, L""}};
  // clang-format on
  MakeReadOnly(kContractKey);  // the handle open for writing may still write, a new one not
  EXPECT_EQ(WriteMachineValue(Routines(), kKey, L"v0", L"x", kRegSz), kErrorAccessDenied);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& [type, data, status, value, found, text] = rows[i];
    const std::wstring name = L"v" + std::to_wstring(i);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    if (type != 0) {
      BackendApi().RegSetValueExA(key, "v" + std::to_string(i), type, bytes, data.size());
    }
    RegValue read;
    EXPECT_EQ(ReadTypedValue(Routines(), key, name, read), status) << i;
    EXPECT_EQ(read, value) << i;
    std::wstring keyVal = L"old";
    EXPECT_EQ(GetKeyValue(Routines(), kHkeyLocalMachine, kKey, name, keyVal), found) << i;
    EXPECT_EQ(keyVal, text) << i;
  }
  BackendApi().RegCloseKey(key);
  std::wstring keyVal = L"old";
  EXPECT_EQ(GetKeyValue(Routines(), kHkeyLocalMachine, kKey + L"\\none", L"v0", keyVal), false);
  EXPECT_EQ(keyVal, L"");
}

}  // namespace
}  // namespace duskfall::testing
