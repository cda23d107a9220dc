// The registry routines against a registry: the same cases run on the in-memory fake and on
// Wine's real registry, so the fake cannot drift from what Windows does.
#include <gtest/gtest.h>

#include <cwctype>
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
  void TearDown() override {
    if (backend_->OpenHandles() >= 0) {
      EXPECT_EQ(backend_->OpenHandles(), 0) << "a key left open";
    }
  }
  Registry Routines() { return Registry{backend_->Api(), backend_->Ansi()}; }
  RegKey Open(std::uint32_t access) {
    RegKey key = 0;
    backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, access, &key);
    return key;
  }
  // The stored type and bytes, read with the registry functions themselves; {} when missing.
  std::pair<std::uint32_t, Bytes> Raw(const std::wstring& name) {
    const RegKey key = Open(kKeyRead);
    Bytes data(64);
    std::uint32_t size = 64, type = 0;
    const std::int32_t status = backend_->Api().RegQueryValueExA(key, backend_->Ansi().ToAnsi(name),
                                                                 &type, data.data(), &size);
    backend_->Api().RegCloseKey(key);
    data.resize(status == kErrorSuccess ? size : 0);
    return {status == kErrorSuccess ? type : 0, data};
  }
  std::wstring ReadString(const std::wstring& name, const std::wstring& key = kKey) {
    std::wstring text = L"old";
    ReadRegistryString(Routines(), L"-2147483646", key, name, text);
    return text;
  }
  std::unique_ptr<RegistryBackend> backend_ = MakeRegistryBackend();
};

TEST_F(RegistryContract, WrittenValuesAreStoredAsWindowsStoresThemAndReadBack) {
  struct Row {
    const wchar_t* name;
    RegValue value;
    std::uint32_t type, storedType;
    Bytes stored;
    const wchar_t* read;  // by the name in upper case
  };
  for (const Row& row : {Row{L"Minutes", L"30", kRegSz, kRegSz, {'3', '0', 0}, L"30"},
                         {L"",
                          L"C:\\D.exe",
                          kRegSz,
                          kRegSz,
                          {'C', ':', '\\', 'D', '.', 'e', 'x', 'e', 0},
                          L"C:\\D.exe"},
                         {L"empty", L"", kRegSz, kRegSz, {0}, L""},
                         {L"count", -2, kRegDword, kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}, L"-2"},
                         {L"text", L"258", kRegDword, kRegDword, {2, 1, 0, 0}, L"258"},
                         {L"bad", L"12x", kRegDword, 0, {}, L""},
                         {L"binary", L"x", kRegBinary, 0, {}, L""}}) {
    WriteMachineValue(Routines(), kKey, row.name, row.value, row.type);
    EXPECT_EQ(Raw(row.name), std::pair(row.storedType, row.stored)) << row.name;
    std::wstring upper = row.name;
    for (wchar_t& c : upper) c = std::towupper(c);
    EXPECT_EQ(ReadString(upper), row.read);
  }
}

TEST_F(RegistryContract, StoredDataIsReadAsItsTypeSays) {
  struct Row {
    std::uint32_t type;  // 0: no value
    Bytes data;
    std::int32_t status;
    RegValue value;
  };
  int count = 0;
  for (const Row& row : {Row{kRegSz, {'4', '5'}, kErrorSuccess, L"45"},
                         {kRegSz, {}, kErrorSuccess, {}},
                         {kRegExpandSz, {'%', 'x', '%', 0}, kUnsupportedType, {}},
                         {kRegMultiSz, {'a', 0, 0}, kUnsupportedType, {}},
                         {0, {}, kErrorFileNotFound, {}}}) {
    const std::string name = "v" + std::to_string(++count);
    const RegKey key = Open(kKeyAccess);
    if (row.type != 0) {
      backend_->Api().RegSetValueExA(key, name, row.type, row.data.data(),
                                     static_cast<std::uint32_t>(row.data.size()));
    }
    RegValue value;
    const std::wstring wideName(name.begin(), name.end());
    EXPECT_EQ(ReadTypedValue(Routines(), key, wideName, value), row.status) << name;
    EXPECT_EQ(value, row.value) << name;
    backend_->Api().RegCloseKey(key);
    EXPECT_EQ(ReadString(wideName), row.value.index() == 1 ? std::get<1>(row.value) : L"");
  }
}

TEST_F(RegistryContract, KeysAreCreatedOnlyByCreatingThem) {
  EXPECT_EQ(WriteMachineValue(Routines(), kKey + L"\\A", L"v", L"1", kRegSz), kErrorFileNotFound);
  EXPECT_EQ(ReadString(L"v", kKey + L"\\A"), L"");
  CreateRegistryKey(Routines(), kKey + L"\\A\\B", kHkeyLocalMachineValue);
  CreateRegistryKey(Routines(), kKey + L"\\A\\B", kHkeyLocalMachineValue);
  EXPECT_EQ(WriteMachineValue(Routines(), kKey + L"\\A\\B", L"v", L"1", kRegSz), kErrorSuccess);
  EXPECT_EQ(ReadString(L"v", kKey + L"\\a\\b"), L"1");
}

TEST_F(RegistryContract, AReadOnlyKeyIsStillReadButNotWritten) {
  WriteMachineValue(Routines(), kKey, L"minutes", L"15", kRegSz);
  backend_->MakeReadOnly(kContractKey);
  EXPECT_EQ(WriteMachineValue(Routines(), kKey, L"minutes", L"20", kRegSz), kErrorAccessDenied);
  EXPECT_EQ(ReadString(L"minutes"), L"15");
}

}  // namespace
}  // namespace duskfall::testing
