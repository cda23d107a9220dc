#include "settings/registry_routines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "text/decimal_text.h"

namespace duskfall {

namespace {

std::wstring AsText(const RegValue& value) {
  if (const auto* text = std::get_if<std::wstring>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return DecimalText(*number);
  return L"";
}

bool AsInt32(const RegValue& value, std::int32_t& number) {
  if (const auto* integer = std::get_if<std::int32_t>(&value)) {
    number = *integer;
    return true;
  }
  const auto* text = std::get_if<std::wstring>(&value);
  if (text == nullptr) return false;
  const std::optional<std::int64_t> parsed = ParseDecimalInteger(*text);
  if (!parsed || *parsed < INT32_MIN || *parsed > INT32_MAX) return false;
  number = static_cast<std::int32_t>(*parsed);
  return true;
}

}  // namespace

RegKey RootKeyFromInt32(std::int32_t root) {
  // Predefined keys are sign-extended on 64-bit Windows.
  return static_cast<RegKey>(static_cast<std::intptr_t>(root));
}

std::int32_t WriteTypedValue(Registry registry, RegKey key, const std::wstring& valueName,
                             std::int32_t type, const RegValue& value) {
  const std::string name = registry.ansi.ToAnsi(valueName);
  if (type == static_cast<std::int32_t>(kRegSz)) {
    std::wstring text = AsText(value);
    text.push_back(L'\0');
    const std::string data = registry.ansi.ToAnsi(text);
    return registry.api.RegSetValueExA(key, name, kRegSz,
                                       reinterpret_cast<const std::uint8_t*>(data.data()),
                                       static_cast<std::uint32_t>(data.size()));
  }
  if (type == static_cast<std::int32_t>(kRegDword)) {
    std::int32_t number = 0;
    if (!AsInt32(value, number)) return kErrorInvalidParameter;
    std::uint8_t bytes[4];
    std::memcpy(bytes, &number, sizeof bytes);  // little-endian, as the registry stores it
    return registry.api.RegSetValueExA(key, name, kRegDword, bytes, sizeof bytes);
  }
  return 0;
}

std::int32_t ReadTypedValue(Registry registry, RegKey key, const std::wstring& valueName,
                            RegValue& value) {
  const std::string name = registry.ansi.ToAnsi(valueName);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  const std::int32_t sizeStatus = registry.api.RegQueryValueExA(key, name, &type, nullptr, &size);
  if (sizeStatus != kErrorSuccess) return sizeStatus;

  if (type == kRegSz) {
    // A value without data reads as nothing.
    if (size == 0) return sizeStatus;
    std::vector<std::uint8_t> buffer(size, 0);
    const std::int32_t status =
        registry.api.RegQueryValueExA(key, name, &type, buffer.data(), &size);
    if (status != kErrorSuccess) return status;
    std::size_t length = std::min<std::size_t>(size, buffer.size());
    // Drop the terminating NUL; a text stored without one keeps all its characters.
    if (length > 0 && buffer[length - 1] == 0) --length;
    value = registry.ansi.FromAnsi(
        std::string_view(reinterpret_cast<const char*>(buffer.data()), length));
    return status;
  }
  if (type == kRegDword) {
    std::uint8_t bytes[4] = {0, 0, 0, 0};
    std::uint32_t offered = std::min<std::uint32_t>(size, sizeof bytes);
    const std::int32_t status = registry.api.RegQueryValueExA(key, name, &type, bytes, &offered);
    if (status == kErrorSuccess) {
      std::int32_t number = 0;
      std::memcpy(&number, bytes, sizeof number);
      value = number;
    }
    return status;
  }
  return kUnsupportedType;
}

void ReadRegistryString(Registry registry, const std::wstring& root, const std::wstring& keyPath,
                        const std::wstring& valueName, std::wstring& text) {
  text.clear();
  const std::optional<std::int64_t> rootNumber = ParseDecimalInteger(root);
  if (!rootNumber || *rootNumber < INT32_MIN || *rootNumber > INT32_MAX) return;
  RegKey key = 0;
  registry.api.RegOpenKeyExA(RootKeyFromInt32(static_cast<std::int32_t>(*rootNumber)),
                             registry.ansi.ToAnsi(keyPath), 0, kKeyRead, &key);
  if (key == 0) return;
  RegValue value;
  ReadTypedValue(registry, key, valueName, value);
  text = AsText(value);
  registry.api.RegCloseKey(key);
}

void CreateRegistryKey(Registry registry, const std::wstring& keyPath, std::int32_t root) {
  RegKey key = 0;
  std::uint32_t disposition = 0;
  registry.api.RegCreateKeyExA(RootKeyFromInt32(root), registry.ansi.ToAnsi(keyPath), 0, kKeyAccess,
                               &key, &disposition);
  if (key != 0) registry.api.RegCloseKey(key);
}

std::int32_t WriteMachineValue(Registry registry, const std::wstring& keyPath,
                               const std::wstring& valueName, const RegValue& value,
                               std::int32_t type) {
  RegKey key = 0;
  const std::int32_t openStatus = registry.api.RegOpenKeyExA(
      kHkeyLocalMachine, registry.ansi.ToAnsi(keyPath), 0, kKeyAccess, &key);
  if (openStatus != kErrorSuccess || key == 0) return openStatus;
  const std::int32_t status = WriteTypedValue(registry, key, valueName, type, value);
  registry.api.RegCloseKey(key);
  return status;
}

std::int32_t ReadMachineValue(Registry registry, const std::wstring& keyPath,
                              const std::wstring& valueName, RegValue& value) {
  value = std::monostate{};
  RegKey key = 0;
  const std::int32_t openStatus = registry.api.RegOpenKeyExA(
      kHkeyLocalMachine, registry.ansi.ToAnsi(keyPath), 0, kKeyRead, &key);
  if (key == 0) return openStatus == kErrorSuccess ? kErrorFileNotFound : openStatus;
  const std::int32_t status = ReadTypedValue(registry, key, valueName, value);
  registry.api.RegCloseKey(key);
  return status;
}

}  // namespace duskfall
