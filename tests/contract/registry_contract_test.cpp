// The registry routines against a registry: the same cases run on the in-memory fake and on
// Wine's real registry, so the fake cannot drift from what Windows does.
#include <gtest/gtest.h>

#include <cwctype>
#include <tuple>
#include <vector>

#include "contract/registry_backend.h"
#include "settings/registry_routines.h"

namespace duskfall::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
const std::wstring kKey = L"SOFTWARE\\DuskfallContract";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override { CreateRegistryKey(Routines(), kKey, kHkeyLocalMachineValue); }
  void TearDown() override { EXPECT_LE(backend_->OpenHandles(), 0) << "a key left open"; }
  Registry Routines() { return Registry{backend_->Api(), backend_->Ansi()}; }
  RegKey Open(std::uint32_t access) {
    RegKey key = 0;
    backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, access, &key);
    return key;
  }
  // The stored type and bytes, read with the registry function itself; 0 and none when missing.
  std::pair<std::uint32_t, Bytes> Raw(const std::wstring& name) {
    const RegKey key = Open(kKeyRead);
    Bytes data(64);
    std::uint32_t size = 64, type = 0;
    if (backend_->Api().RegQueryValueExA(key, backend_->Ansi().ToAnsi(name), &type, data.data(),
                                         &size) != kErrorSuccess) {
      type = size = 0;
    }
    backend_->Api().RegCloseKey(key);
    return {type, Bytes(data.begin(), data.begin() + size)};
  }
  std::wstring ReadString(const std::wstring& name, const std::wstring& key = kKey) {
    std::wstring text = L"old";
    ReadRegistryString(Routines(), L"-2147483646", key, name, text);
    return text;
  }
  std::unique_ptr<RegistryBackend> backend_ = MakeRegistryBackend();
};

TEST_F(RegistryContract, WrittenValuesAreStoredAsWindowsStoresThemAndReadBackByAnyCase) {
  // The name, value and type written; the type and bytes stored; the text read back.
  for (auto [name, value, type, stored, read] :
       std::vector<std::tuple<std::wstring, RegValue, std::uint32_t,
                              std::pair<std::uint32_t, Bytes>, std::wstring>>{
           {L"Minutes", L"30", kRegSz, {kRegSz, {'3', '0', 0}}, L"30"},
           {L"", L"C:\\", kRegSz, {kRegSz, {'C', ':', '\\', 0}}, L"C:\\"},
           {L"empty", L"", kRegSz, {kRegSz, {0}}, L""},
           {L"count", -2, kRegDword, {kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}}, L"-2"},
           {L"text", L"258", kRegDword, {kRegDword, {2, 1, 0, 0}}, L"258"},
           {L"bad", L"12x", kRegDword, {}, L""},
           {L"binary", L"x", kRegBinary, {}, L""}}) {
    WriteMachineValue(Routines(), kKey, name, value, type);
    EXPECT_EQ(Raw(name), stored) << name;
    for (wchar_t& c : name) c = std::towupper(c);
    EXPECT_EQ(ReadString(name), read);
  }
}

TEST_F(RegistryContract, StoredDataIsReadAsItsTypeSays) {
  // The stored type (0: no value) and data; the status and value read.
  int count = 0;
  for (auto [type, data, status, value] :
       std::vector<std::tuple<std::uint32_t, Bytes, int, RegValue>>{
           {kRegSz, {'4', '5'}, kErrorSuccess, L"45"},
           {kRegSz, {}, kErrorSuccess, {}},
           {kRegExpandSz, {'%', 0}, kUnsupportedType, {}},
           {kRegMultiSz, {'a', 0, 0}, kUnsupportedType, {}},
           {0, {}, kErrorFileNotFound, {}}}) {
    const std::string name = "v" + std::to_string(++count);
    const RegKey key = Open(kKeyAccess);
    if (type != 0) {
      backend_->Api().RegSetValueExA(key, name, type, data.data(),
                                     static_cast<std::uint32_t>(data.size()));
    }
    RegValue read;
    EXPECT_EQ(ReadTypedValue(Routines(), key, std::wstring(name.begin(), name.end()), read),
              status);
    EXPECT_EQ(read, value) << name;
    backend_->Api().RegCloseKey(key);
    EXPECT_EQ(ReadString(std::wstring(name.begin(), name.end())),
              value.index() == 1 ? std::get<1>(value) : L"");
  }
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
}

}  // namespace
}  // namespace duskfall::testing
