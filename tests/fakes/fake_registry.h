// An in-memory registry that answers like Windows' ANSI registry functions: names are
// case-insensitive, missing keys and values give 2, a key opened without the right gives 5,
// data is returned with the sizes Windows reports, and every handle must be closed.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "fakes/call_log.h"
#include "platform/registry_api.h"

namespace duskfall::testing {

class FakeRegistry : public RegistryApi {
 public:
  FakeRegistry();

  // Setting up and inspecting the contents. Paths are under HKEY_LOCAL_MACHINE.
  void PutValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                const std::vector<std::uint8_t>& data);
  void PutString(const std::string& keyPath, const std::string& name, const std::string& text);
  void CreateKey(const std::string& keyPath);
  bool HasKey(const std::string& keyPath) const;
  bool HasValue(const std::string& keyPath, const std::string& name) const;
  std::uint32_t ValueType(const std::string& keyPath, const std::string& name) const;
  std::vector<std::uint8_t> ValueData(const std::string& keyPath, const std::string& name) const;
  // The text of a REG_SZ value without its terminating NUL.
  std::string StringValue(const std::string& keyPath, const std::string& name) const;

  // Access control: a key (and the keys below it) that grants reading only; the machine root
  // refusing new keys.
  void DenyWrite(const std::string& keyPath);
  void DenyCreateUnder(const std::string& keyPath);

  int OpenHandles() const { return static_cast<int>(handles_.size()); }
  // The access each open or create asked for, in order.
  std::vector<std::uint32_t> requestedAccess;
  void SetLog(CallLog* log) { log_ = log; }

  std::int32_t RegOpenKeyExA(RegKey root, const std::string& subKey, std::uint32_t options,
                             std::uint32_t access, RegKey* result) override;
  std::int32_t RegCreateKeyExA(RegKey root, const std::string& subKey, std::uint32_t options,
                               std::uint32_t access, RegKey* result,
                               std::uint32_t* disposition) override;
  std::int32_t RegQueryValueExA(RegKey key, const std::string& valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) override;
  std::int32_t RegSetValueExA(RegKey key, const std::string& valueName, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override;
  std::int32_t RegCloseKey(RegKey key) override;

 private:
  struct Value {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  struct Key {
    std::map<std::string, std::unique_ptr<Key>> subKeys;  // lower-case names
    std::map<std::string, Value> values;                  // lower-case names
    bool writeDenied = false;
    bool createDenied = false;
  };
  struct Handle {
    Key* key;
    std::uint32_t access;
  };

  Key* Find(Key* from, const std::string& path) const;
  Key* FindRoot(RegKey root) const;
  Key* Create(const std::string& path);
  RegKey NewHandle(Key* key, std::uint32_t access);

  std::unique_ptr<Key> machine_;
  std::map<RegKey, Handle> handles_;
  RegKey nextHandle_ = 0x1000;
  CallLog* log_ = nullptr;
};

}  // namespace duskfall::testing
