// The work of the copy that runs as administrator: one request of the private arguments, with
// nothing shown, and an exit code that tells the copy that started it what happened.
#pragma once

#include "settings/elevated_request.h"
#include "settings/registry_routines.h"

namespace duskfall {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefusedArguments = 1;  // nothing was written
inline constexpr int kExitWriteFailed = 2;       // nothing was left changed
inline constexpr int kExitNoProgram = 3;         // no program under App Paths: nothing written
inline constexpr int kExitNotTakenBack = 4;      // a write failed, and so did taking back others

// Carries out a request read by ReadStartArguments (not an ordinary start): "set" makes the
// settings key when it is missing and stores the count-down, "clear" empties it, and "remove"
// deletes what is the program's, as the uninstaller does.
int RunElevatedRequest(const StartArguments& start, Registry registry);

// The exit code that tells the status of a request (see registry_changes.h).
int ExitCodeForStatus(std::int32_t status);

// Deletes the stored minutes, with the settings key and the key above it once they are empty,
// and the Run value when it is empty or starts the program that App Paths names. Other values
// stay. The status of the delete that failed, or 0.
std::int32_t RemoveLogonSetting(Registry registry);

}  // namespace duskfall
