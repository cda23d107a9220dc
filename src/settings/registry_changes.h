// Changes to the machine's keys that can all be taken back: a request that fails half-way leaves
// the registry as it found it, values that were absent absent and keys it made gone again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/registry_routines.h"

namespace duskfall {

class RegistryChanges {
 public:
  explicit RegistryChanges(Registry registry) : registry_(registry) {}

  // Each change under HKEY_LOCAL_MACHINE, with the status of the registry (0 when done). A value
  // already gone counts as deleted, a key already there as made.
  std::int32_t MakeKey(const std::wstring& keyPath);
  std::int32_t WriteText(const std::wstring& keyPath, const std::wstring& valueName,
                         const std::wstring& text);
  std::int32_t DeleteValue(const std::wstring& keyPath, const std::wstring& valueName);

  // The status of a request: 0 when it was done; when not, every change is taken back, newest
  // first, and the status is the failure's, or kStatusNotTakenBack when one could not be undone.
  std::int32_t Finish(std::int32_t status);

 private:
  // A change to undo: the key made, or the value as it was before (type and bytes, or absent).
  struct Undo {
    std::wstring keyPath;
    std::wstring valueName;
    bool keyMade = false;
    bool present = false;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  Undo Before(const std::wstring& keyPath, const std::wstring& valueName);
  std::int32_t TakeBack(const Undo& undo);

  Registry registry_;
  std::vector<Undo> undo_;
};

// Statuses of the program's own, beside the registry's: no program to start at logon (nothing
// was written), and a failed request whose earlier writes could not all be taken back.
inline constexpr std::int32_t kStatusNoProgram = -2;
inline constexpr std::int32_t kStatusNotTakenBack = -3;

}  // namespace duskfall
