// The ANSI registry functions of advapi32, one method each, with Windows' arguments and
// status codes. Names and data are bytes in the ANSI code page (see ansi_code_page.h).
#pragma once

#include <cstdint>
#include <string>

namespace duskfall {

using RegKey = std::uintptr_t;  // 0 is the null handle
// Predefined root keys are sign-extended 32-bit values, as on 64-bit Windows.
inline constexpr std::int32_t kHkeyLocalMachineValue = -2147483646;  // 0x80000002
inline constexpr RegKey kHkeyLocalMachine =
    static_cast<RegKey>(static_cast<std::intptr_t>(kHkeyLocalMachineValue));

inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyRead = 0x20019;

class RegistryApi {
 public:
  virtual ~RegistryApi() = default;
  virtual std::int32_t RegOpenKeyExA(RegKey root, const std::string& subKey, std::uint32_t options,
                                     std::uint32_t access, RegKey* result) = 0;
  virtual std::int32_t RegCreateKeyExA(RegKey root, const std::string& subKey,
                                       std::uint32_t options, std::uint32_t access, RegKey* result,
                                       std::uint32_t* disposition) = 0;
  // data may be null to ask for the type and size only.
  virtual std::int32_t RegQueryValueExA(RegKey key, const std::string& valueName,
                                        std::uint32_t* type, std::uint8_t* data,
                                        std::uint32_t* size) = 0;
  virtual std::int32_t RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                                      const std::uint8_t* data, std::uint32_t size) = 0;
  virtual std::int32_t RegDeleteValueA(RegKey key, const std::string& valueName) = 0;
  // Deletes a key that has no subkeys, with its values.
  virtual std::int32_t RegDeleteKeyA(RegKey root, const std::string& subKey) = 0;
  // The numbers of subkeys and of values that an open key holds.
  virtual std::int32_t RegQueryInfoKeyA(RegKey key, std::uint32_t* subKeys,
                                        std::uint32_t* values) = 0;
  virtual std::int32_t RegCloseKey(RegKey key) = 0;
};

}  // namespace duskfall
