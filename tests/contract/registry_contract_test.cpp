// The registry routines against a registry: the same cases run on the in-memory fake and on
// Wine's real registry, so the fake cannot drift from what Windows does.
#include <gtest/gtest.h>

#include <cwctype>
#include <tuple>

#include "contract/registry_backend.h"
#include "settings/registry_routines.h"

namespace duskfall::testing {
namespace {

const std::wstring kKey = L"SOFTWARE\\DuskfallContract";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override { CreateRegistryKey(Routines(), kKey, kHkeyLocalMachineValue); }
  void TearDown() override { EXPECT_LE(backend_->OpenHandles(), 0) << "a key left open"; }
  Registry Routines() { return Registry{backend_->Api(), backend_->Ansi()}; }
  std::wstring ReadString(const std::wstring& name, const std::wstring& key = kKey) {
    std::wstring text = L"old";
    ReadRegistryString(Routines(), L"-2147483646", key, name, text);
    return text;
  }
  std::unique_ptr<RegistryBackend> backend_ = MakeRegistryBackend();
};

TEST_F(RegistryContract, WrittenValuesReadBackByTheirNameInAnyCase) {
  for (auto [name, value, type, read] :
       std::vector<std::tuple<std::wstring, RegValue, int, std::wstring>>{
           {L"Minutes", L"30", kRegSz, L"30"},
           {L"", L"C:\\", kRegSz, L"C:\\"},
           {L"empty", L"", kRegSz, L""},
           {L"count", -2, kRegDword, L"-2"},
           {L"text", L"258", kRegDword, L"258"},
           {L"bad", L"12x", kRegDword, L""},
           {L"binary", L"x", kRegBinary, L""}}) {
    WriteMachineValue(Routines(), kKey, name, value, type);
    for (wchar_t& c : name) c = std::towupper(c);
    EXPECT_EQ(ReadString(name), read) << name;
  }
}

TEST_F(RegistryContract, StoredDataIsReadAsItsTypeSays) {
  RegKey key = 0;
  backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyAccess, &key);
  // The stored type (0: none) and data; the status and value read.
  for (auto [type, data, status, value] :
       std::vector<std::tuple<std::uint32_t, std::string, int, RegValue>>{
           {kRegSz, "45", kErrorSuccess, L"45"},
           {kRegSz, "", kErrorSuccess, {}},
           {kRegExpandSz, "%x%", kUnsupportedType, {}},
           {kRegBinary, "ab", kUnsupportedType, {}},
           {0, "", kErrorFileNotFound, {}}}) {
    const std::string name = "v" + std::to_string(type) + data;
    if (type != 0) {
      backend_->Api().RegSetValueExA(key, name, type,
                                     reinterpret_cast<const std::uint8_t*>(data.data()),
                                     static_cast<std::uint32_t>(data.size()));
    }
    RegValue read;
    EXPECT_EQ(ReadTypedValue(Routines(), key, std::wstring(name.begin(), name.end()), read),
              status);
    EXPECT_EQ(read, value) << name;
  }
  backend_->Api().RegCloseKey(key);
}

TEST_F(RegistryContract, KeysAreMadeOnlyByCreatingThemAndReadOnlyKeysAreStillRead) {
  const std::wstring nested = kKey + L"\\A\\B";
  EXPECT_EQ(WriteMachineValue(Routines(), nested, L"v", L"1", kRegSz), kErrorFileNotFound);
  CreateRegistryKey(Routines(), nested, kHkeyLocalMachineValue);
  CreateRegistryKey(Routines(), nested, kHkeyLocalMachineValue);
  EXPECT_EQ(WriteMachineValue(Routines(), nested, L"v", L"1", kRegSz), kErrorSuccess);
  EXPECT_EQ(ReadString(L"v", kKey + L"\\a\\b"), L"1");
  WriteMachineValue(Routines(), kKey, L"v", L"15", kRegSz);
  backend_->MakeReadOnly(kContractKey);
  EXPECT_EQ(WriteMachineValue(Routines(), kKey, L"v", L"20", kRegSz), kErrorAccessDenied);
  EXPECT_EQ(ReadString(L"v"), L"15");
  EXPECT_EQ(ReadString(L"missing") + ReadString(L"v", kKey + L"\\none"), L"");
}

}  // namespace
}  // namespace duskfall::testing
