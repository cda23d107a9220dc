#include "settings/elevated_logon_setting.h"

#include <string>
#include <variant>

#include "settings/logon_setting.h"
#include "settings/registry_changes.h"
#include "settings/settings_keys.h"

namespace duskfall {

namespace {

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

// Paths as the uninstaller compares them: letters in either case.
bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

void DeleteKeyIfEmpty(Registry registry, const std::wstring& keyPath) {
  RegKey key = 0;
  registry.api.RegOpenKeyExA(kHkeyLocalMachine, registry.ansi.ToAnsi(keyPath), 0, kKeyRead, &key);
  if (key == 0) return;
  std::uint32_t subKeys = 1;
  std::uint32_t values = 1;
  registry.api.RegQueryInfoKeyA(key, &subKeys, &values);
  registry.api.RegCloseKey(key);
  if (subKeys == 0 && values == 0) {
    registry.api.RegDeleteKeyA(kHkeyLocalMachine, registry.ansi.ToAnsi(keyPath));
  }
}

// The Run value is the program's when it is an empty text, as cancelling leaves it, or starts
// the program that App Paths names, quoted or not. A value of another type is someone else's.
bool RunValueIsOurs(Registry registry, const std::wstring& program) {
  RegValue value;
  const std::int32_t status = ReadMachineValue(registry, kRunKey, kRunValue, value);
  if (status != kErrorSuccess || std::holds_alternative<std::int32_t>(value)) return false;
  const auto* text = std::get_if<std::wstring>(&value);
  std::wstring_view command = text != nullptr ? std::wstring_view(*text) : std::wstring_view();
  if (command.size() >= 2 && command.front() == L'"' && command.back() == L'"') {
    command = command.substr(1, command.size() - 2);
  }
  return (text == nullptr || text->empty()) || (!program.empty() && SameText(command, program));
}

}  // namespace

std::int32_t RemoveLogonSetting(Registry registry) {
  const std::wstring program = AppPathsProgram(registry);
  RegistryChanges changes(registry);
  std::int32_t status = changes.DeleteValue(kSettingsKey, kStoredMinutesValue);
  // Neither half goes alone.
  if (status == kErrorSuccess && RunValueIsOurs(registry, program)) {
    status = changes.DeleteValue(kRunKey, kRunValue);
  }
  if (status != kErrorSuccess) return changes.Finish(status);
  // Empty keys are no setting: when they cannot go, the removal still holds.
  DeleteKeyIfEmpty(registry, kSettingsKey);
  DeleteKeyIfEmpty(registry, kVendorKey);
  return kErrorSuccess;
}

int ExitCodeForStatus(std::int32_t status) {
  switch (status) {
    case kErrorSuccess:
      return kExitDone;
    case kStatusNoProgram:
      return kExitNoProgram;
    case kStatusNotTakenBack:
      return kExitNotTakenBack;
    default:
      return kExitWriteFailed;
  }
}

int RunElevatedRequest(const StartArguments& start, Registry registry) {
  if (start.kind != StartKind::kElevatedRequest) return kExitRefusedArguments;
  std::int32_t status = kErrorSuccess;
  switch (start.request.verb) {
    case ElevatedVerb::kSet:
      status = StoreLogonSetting(registry, start.request.minutes);
      break;
    case ElevatedVerb::kClear:
      status = ClearLogonSetting(registry);
      break;
    case ElevatedVerb::kRemove:
      status = RemoveLogonSetting(registry);
      break;
  }
  return ExitCodeForStatus(status);
}

}  // namespace duskfall
