// The registry routines against a registry: the same cases run on the in-memory fake and on
// Wine's real registry, so the fake cannot drift from what Windows does.
#include <gtest/gtest.h>

#include <vector>

#include "contract/registry_backend.h"
#include "settings/registry_routines.h"

namespace duskfall::testing {
namespace {

const std::wstring kKey = L"SOFTWARE\\DuskfallContract";
const std::wstring kRoot = L"-2147483646";

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = MakeRegistryBackend();
    CreateRegistryKey(Routines(), kKey, kHkeyLocalMachineValue);
  }
  void TearDown() override {
    if (backend_->OpenHandles() >= 0) {
      EXPECT_EQ(backend_->OpenHandles(), 0) << "a handle leaked";
    }
  }

  Registry Routines() { return Registry{backend_->Api(), backend_->Ansi()}; }

  // Stores raw data with the registry functions themselves.
  void PutRaw(const std::wstring& name, std::uint32_t type, std::vector<std::uint8_t> data) {
    RegKey key = 0;
    std::uint32_t disposition = 0;
    ASSERT_EQ(backend_->Api().RegCreateKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyAccess, &key,
                                              &disposition),
              kErrorSuccess);
    ASSERT_EQ(backend_->Api().RegSetValueExA(key, backend_->Ansi().ToAnsi(name), type, data.data(),
                                             static_cast<std::uint32_t>(data.size())),
              kErrorSuccess);
    backend_->Api().RegCloseKey(key);
  }

  // The stored bytes and type, read back with the registry functions.
  std::vector<std::uint8_t> Raw(const std::wstring& name, std::uint32_t* type = nullptr) {
    RegKey key = 0;
    backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyRead, &key);
    std::vector<std::uint8_t> data(64, 0xCC);
    std::uint32_t size = static_cast<std::uint32_t>(data.size());
    std::uint32_t valueType = 0;
    const std::int32_t status = backend_->Api().RegQueryValueExA(key, backend_->Ansi().ToAnsi(name),
                                                                 &valueType, data.data(), &size);
    backend_->Api().RegCloseKey(key);
    if (status != kErrorSuccess) return {};
    if (type != nullptr) *type = valueType;
    data.resize(size);
    return data;
  }

  std::wstring ReadString(const std::wstring& name, const std::wstring& key = kKey) {
    std::wstring text = L"unset";
    ReadRegistryString(Routines(), kRoot, key, name, text);
    return text;
  }

  std::int32_t ReadTyped(const std::wstring& name, RegValue& value) {
    RegKey key = 0;
    backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyRead, &key);
    const std::int32_t status = ReadTypedValue(Routines(), key, name, value);
    backend_->Api().RegCloseKey(key);
    return status;
  }

  std::unique_ptr<RegistryBackend> backend_;
};

TEST_F(RegistryContract, EmptyTextIsStoredAsOneNulByte) {
  EXPECT_EQ(WriteMachineValue(Routines(), kKey, L"empty", std::wstring(), kRegSz), 0);
  std::uint32_t type = 0;
  EXPECT_EQ(Raw(L"empty", &type), std::vector<std::uint8_t>{0});
  EXPECT_EQ(type, kRegSz);
  EXPECT_EQ(ReadString(L"empty"), L"");
}

TEST_F(RegistryContract, TextIsStoredWithOneNulAndReadsBackTheSame) {
  WriteMachineValue(Routines(), kKey, L"minutes", std::wstring(L"30"), kRegSz);
  EXPECT_EQ(Raw(L"minutes"), (std::vector<std::uint8_t>{'3', '0', 0}));
  EXPECT_EQ(ReadString(L"minutes"), L"30");
}

TEST_F(RegistryContract, ValueNamesIgnoreCase) {
  WriteMachineValue(Routines(), kKey, L"Minutes", std::wstring(L"15"), kRegSz);
  EXPECT_EQ(ReadString(L"MINUTES"), L"15");
}

TEST_F(RegistryContract, TheDefaultValueHasTheEmptyName) {
  WriteMachineValue(Routines(), kKey, L"", std::wstring(L"C:\\Duskfall.exe"), kRegSz);
  EXPECT_EQ(ReadString(L""), L"C:\\Duskfall.exe");
}

TEST_F(RegistryContract, AMissingValueReadsAsNothing) {
  RegValue value;
  EXPECT_EQ(ReadTyped(L"missing", value), kErrorFileNotFound);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(value));
  EXPECT_EQ(ReadString(L"missing"), L"");
}

TEST_F(RegistryContract, AMissingKeyReadsAsNothing) {
  EXPECT_EQ(ReadString(L"minutes", kKey + L"\\Nowhere"), L"");
}

TEST_F(RegistryContract, IntegersAreFourLittleEndianBytesAndReadAsDecimalText) {
  RegKey key = 0;
  backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyAccess, &key);
  EXPECT_EQ(WriteTypedValue(Routines(), key, L"count", kRegDword, std::int32_t{-2}), 0);
  EXPECT_EQ(WriteTypedValue(Routines(), key, L"text", kRegDword, std::wstring(L"258")), 0);
  backend_->Api().RegCloseKey(key);
  std::uint32_t type = 0;
  EXPECT_EQ(Raw(L"count", &type), (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(type, kRegDword);
  EXPECT_EQ(Raw(L"text"), (std::vector<std::uint8_t>{2, 1, 0, 0}));
  EXPECT_EQ(ReadString(L"count"), L"-2");
  RegValue value;
  EXPECT_EQ(ReadTyped(L"text", value), 0);
  EXPECT_EQ(std::get<std::int32_t>(value), 258);
}

TEST_F(RegistryContract, OtherTypesAreUnsupported) {
  PutRaw(L"expand", kRegExpandSz, {'%', 'x', '%', 0});
  PutRaw(L"binary", kRegBinary, {1, 2, 3});
  PutRaw(L"multi", kRegMultiSz, {'a', 0, 'b', 0, 0});
  for (const wchar_t* name : {L"expand", L"binary", L"multi"}) {
    RegValue value;
    EXPECT_EQ(ReadTyped(name, value), kUnsupportedType);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(value));
    EXPECT_EQ(ReadString(name), L"");
  }
}

TEST_F(RegistryContract, TextWithoutDataReadsAsNothing) {
  PutRaw(L"nodata", kRegSz, {});
  RegValue value;
  EXPECT_EQ(ReadTyped(L"nodata", value), 0);
  EXPECT_TRUE(std::holds_alternative<std::monostate>(value));
  EXPECT_EQ(ReadString(L"nodata"), L"");
}

TEST_F(RegistryContract, TextStoredWithoutItsNulKeepsEveryCharacter) {
  PutRaw(L"bare", kRegSz, {'4', '5'});
  EXPECT_EQ(ReadString(L"bare"), L"45");
}

TEST_F(RegistryContract, UnsupportedWriteTypesWriteNothing) {
  RegKey key = 0;
  backend_->Api().RegOpenKeyExA(kHkeyLocalMachine, kContractKey, 0, kKeyAccess, &key);
  EXPECT_EQ(WriteTypedValue(Routines(), key, L"binary", kRegBinary, std::wstring(L"x")), 0);
  backend_->Api().RegCloseKey(key);
  EXPECT_TRUE(Raw(L"binary").empty());
}

TEST_F(RegistryContract, WritingIntoAMissingKeyCreatesNothing) {
  EXPECT_EQ(WriteMachineValue(Routines(), kKey + L"\\Missing", L"v", std::wstring(L"1"), kRegSz),
            kErrorFileNotFound);
  RegKey key = 0;
  EXPECT_EQ(backend_->Api().RegOpenKeyExA(
                kHkeyLocalMachine, std::string(kContractKey) + "\\Missing", 0, kKeyRead, &key),
            kErrorFileNotFound);
}

TEST_F(RegistryContract, CreatingMakesEveryMissingKeyAndAcceptsAnExistingOne) {
  CreateRegistryKey(Routines(), kKey + L"\\A\\B", kHkeyLocalMachineValue);
  CreateRegistryKey(Routines(), kKey + L"\\A\\B", kHkeyLocalMachineValue);
  EXPECT_EQ(WriteMachineValue(Routines(), kKey + L"\\A\\B", L"v", std::wstring(L"1"), kRegSz), 0);
  EXPECT_EQ(ReadString(L"v", kKey + L"\\a\\b"), L"1");
}

TEST_F(RegistryContract, AReadOnlyKeyIsStillReadButNotWritten) {
  WriteMachineValue(Routines(), kKey, L"minutes", std::wstring(L"15"), kRegSz);
  backend_->MakeReadOnly(std::string(kContractKey));
  EXPECT_EQ(ReadString(L"minutes"), L"15");
  EXPECT_EQ(WriteMachineValue(Routines(), kKey, L"minutes", std::wstring(L"20"), kRegSz),
            kErrorAccessDenied);
  EXPECT_EQ(ReadString(L"minutes"), L"15");
}

}  // namespace
}  // namespace duskfall::testing
