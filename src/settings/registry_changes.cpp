#include "settings/registry_changes.h"

#include <utility>

namespace duskfall {

namespace {

bool Gone(std::int32_t status) { return status == kErrorFileNotFound; }

std::int32_t OpenMachineKey(Registry registry, const std::wstring& keyPath, std::uint32_t access,
                            RegKey& key) {
  key = 0;
  const std::int32_t status =
      registry.api.RegOpenKeyExA(kHkeyLocalMachine, registry.ansi.ToAnsi(keyPath), 0, access, &key);
  return status == kErrorSuccess && key == 0 ? kErrorInvalidHandle : status;
}

}  // namespace

std::int32_t RegistryChanges::MakeKey(const std::wstring& keyPath) {
  RegKey key = 0;
  const std::int32_t openStatus = OpenMachineKey(registry_, keyPath, kKeyRead, key);
  if (openStatus == kErrorSuccess) {
    registry_.api.RegCloseKey(key);
    return kErrorSuccess;
  }
  std::uint32_t disposition = 0;
  const std::int32_t status = registry_.api.RegCreateKeyExA(
      kHkeyLocalMachine, registry_.ansi.ToAnsi(keyPath), 0, kKeyAccess, &key, &disposition);
  if (key != 0) registry_.api.RegCloseKey(key);
  // Only a key that was missing is this request's to take away again.
  if (status == kErrorSuccess && Gone(openStatus)) {
    Undo made;
    made.keyPath = keyPath;
    made.keyMade = true;
    undo_.push_back(std::move(made));
  }
  return status;
}

std::int32_t RegistryChanges::WriteText(const std::wstring& keyPath, const std::wstring& valueName,
                                        const std::wstring& text) {
  Undo before = Before(keyPath, valueName);
  const std::int32_t status = WriteMachineValue(registry_, keyPath, valueName, text, kRegSz);
  if (status == kErrorSuccess) undo_.push_back(std::move(before));
  return status;
}

std::int32_t RegistryChanges::DeleteValue(const std::wstring& keyPath,
                                          const std::wstring& valueName) {
  Undo before = Before(keyPath, valueName);
  RegKey key = 0;
  std::int32_t status = OpenMachineKey(registry_, keyPath, kKeyAccess, key);
  if (status == kErrorSuccess) {
    status = registry_.api.RegDeleteValueA(key, registry_.ansi.ToAnsi(valueName));
    registry_.api.RegCloseKey(key);
  }
  if (status == kErrorSuccess) undo_.push_back(std::move(before));
  return Gone(status) ? kErrorSuccess : status;
}

std::int32_t RegistryChanges::Finish(std::int32_t status) {
  if (status == kErrorSuccess) return status;
  bool whole = true;
  // Newest first: a value goes back before the key it was made in goes.
  for (std::size_t i = undo_.size(); i > 0; --i) {
    if (TakeBack(undo_[i - 1]) != kErrorSuccess) whole = false;
  }
  undo_.clear();
  return whole ? status : kStatusNotTakenBack;
}

RegistryChanges::Undo RegistryChanges::Before(const std::wstring& keyPath,
                                              const std::wstring& valueName) {
  Undo before;
  before.keyPath = keyPath;
  before.valueName = valueName;
  RegKey key = 0;
  if (OpenMachineKey(registry_, keyPath, kKeyRead, key) != kErrorSuccess) return before;
  const std::string name = registry_.ansi.ToAnsi(valueName);
  std::uint32_t size = 0;
  if (registry_.api.RegQueryValueExA(key, name, &before.type, nullptr, &size) == kErrorSuccess) {
    before.data.resize(size);
    before.present = registry_.api.RegQueryValueExA(key, name, &before.type, before.data.data(),
                                                    &size) == kErrorSuccess;
    before.data.resize(size);
  }
  registry_.api.RegCloseKey(key);
  return before;
}

std::int32_t RegistryChanges::TakeBack(const Undo& undo) {
  RegKey key = 0;
  std::int32_t status = undo.keyMade ? registry_.api.RegDeleteKeyA(
                                           kHkeyLocalMachine, registry_.ansi.ToAnsi(undo.keyPath))
                                     : OpenMachineKey(registry_, undo.keyPath, kKeyAccess, key);
  if (!undo.keyMade && status == kErrorSuccess) {
    // A value that was absent is deleted again, not left behind empty.
    const std::string name = registry_.ansi.ToAnsi(undo.valueName);
    status = undo.present
                 ? registry_.api.RegSetValueExA(key, name, undo.type, undo.data.data(),
                                                static_cast<std::uint32_t>(undo.data.size()))
                 : registry_.api.RegDeleteValueA(key, name);
    registry_.api.RegCloseKey(key);
  }
  // Already gone is as good as taken away; a value that was there must be back.
  return Gone(status) && !undo.present ? kErrorSuccess : status;
}

}  // namespace duskfall
