// Where the program keeps its settings, and the other registry places it reads or writes.
#pragma once

#include <cstdint>

namespace duskfall {

// HKEY_LOCAL_MACHINE as the routines take it: as text and as a number.
inline constexpr wchar_t kMachineRootText[] = L"-2147483646";
inline constexpr std::int32_t kMachineRoot = -2147483646;

// The vendor's key, made with the settings key below it and removed with it once empty.
inline constexpr wchar_t kVendorKey[] = L"SOFTWARE\\{4924567}";
inline constexpr wchar_t kSettingsKey[] =
    L"SOFTWARE\\{4924567}\\{0228e555-4f9c-4e35-a3ec-b109a192b4c2}";
// The minutes of the logon count-down, as typed; empty or missing when none is set.
inline constexpr wchar_t kStoredMinutesValue[] = L"{58a871478e856b86b85}";

inline constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValue[] = L"Duskfall";

// Written at installation: the default value holds the program's full path.
inline constexpr wchar_t kAppPathsKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Duskfall.exe";

}  // namespace duskfall
