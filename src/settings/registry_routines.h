// Typed access to the registry through the ANSI functions: text (REG_SZ) and 32-bit integers
// (REG_DWORD). No routine shows anything; failures end as a status or an empty result, and key
// handles never outlive one call.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/ansi_code_page.h"
#include "platform/registry_api.h"

namespace duskfall {

// A registry value: nothing, a text or a 32-bit integer.
using RegValue = std::variant<std::monostate, std::wstring, std::int32_t>;

inline constexpr std::uint32_t kKeyAccess = 63;  // the specific rights of KEY_ALL_ACCESS
inline constexpr std::int32_t kUnsupportedType = -1;
inline constexpr std::int32_t kErrorInvalidParameter = 87;

// The program's registry, as the routines reach it: the API and its code page.
struct Registry {
  RegistryApi& api;
  const AnsiCodePage& ansi;
};

// The root handle for a root given as a signed 32-bit number (-2147483646 is
// HKEY_LOCAL_MACHINE).
RegKey RootKeyFromInt32(std::int32_t root);

// Writes a value into an open key; the status of RegSetValueExA, or 0 for an unsupported type.
std::int32_t WriteTypedValue(Registry registry, RegKey key, const std::wstring& valueName,
                             std::int32_t type, const RegValue& value);

// Reads a value from an open key; the registry's status, or -1 for an unsupported type.
std::int32_t ReadTypedValue(Registry registry, RegKey key, const std::wstring& valueName,
                            RegValue& value);

// Reads a value as text: "" on any failure. The key is opened with read rights only, so users
// who may read but not write the machine's keys still read it.
void ReadRegistryString(Registry registry, const std::wstring& root, const std::wstring& keyPath,
                        const std::wstring& valueName, std::wstring& text);

// Creates a key and the keys above it, or opens it if it exists.
void CreateRegistryKey(Registry registry, const std::wstring& keyPath, std::int32_t root);

// Writes a value into an existing key under HKEY_LOCAL_MACHINE. Returns the status of the open
// or of the write, for the callers that must know whether the value was stored.
std::int32_t WriteMachineValue(Registry registry, const std::wstring& keyPath,
                               const std::wstring& valueName, const RegValue& value,
                               std::int32_t type);

// Reads a value of a key under HKEY_LOCAL_MACHINE, opened with read rights only: the status of
// the open or of the read, and nothing in value unless it was read.
std::int32_t ReadMachineValue(Registry registry, const std::wstring& keyPath,
                              const std::wstring& valueName, RegValue& value);

}  // namespace duskfall
