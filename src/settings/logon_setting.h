// The logon count-down's registry writes, shared by the tray menu's item and by the copy that
// runs as administrator when the item is refused for want of rights.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system_api.h"
#include "settings/registry_routines.h"

namespace duskfall {

// The program's path as a Run command line: quoted when it holds a blank and is not quoted
// already; an empty path stays empty.
std::wstring QuotedCommandPath(const std::wstring& path);

// The stored minutes of the logon count-down, empty when none is set; and the program's path as
// its installation registered it under App Paths, empty when it did not or not as a text.
std::wstring StoredLogonMinutes(Registry registry);
std::wstring AppPathsProgram(Registry registry);

// Whether the tray item asks Windows for consent when its writes are refused: only with a
// limited token on a Windows with User Account Control. The item then carries the shield.
bool ItemAsksForConsent(Elevation elevation);

// Stores the standing count-down: makes the settings key when it is missing, then writes the
// minutes and the Run value with the program's path from App Paths. Without a program there
// (never installed, or a value that is no text) nothing is written: kStatusNoProgram. When a
// write fails, what was written is taken back. The status of the write that failed, or 0.
std::int32_t StoreLogonSetting(Registry registry, const std::wstring& minutes);

// Empties both values; a key that does not exist holds nothing to empty. When the second write
// fails, the first is taken back. The status of the write that failed, or 0.
std::int32_t ClearLogonSetting(Registry registry);

}  // namespace duskfall
