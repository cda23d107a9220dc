// The power-off service: the shutdown privilege on the NT family, then a forced power-off.
#pragma once

#include <cstdint>

#include "platform/dialogs.h"
#include "platform/power_api.h"

namespace duskfall {

// Asks the system to power off, first enabling the shutdown privilege when platformIsNT is 1.
// Returns in every case; a failed step is reported in a box and the sequence goes on.
void PowerOffMachine(PowerApi& api, Dialogs& dialogs, std::int32_t platformIsNT);

// Enables SeShutdownPrivilege in the process's own token.
void EnableShutdownPrivilege(PowerApi& api, Dialogs& dialogs);

// 1 for the NT family (bit 31 of the GetVersion result clear), 0 otherwise.
std::int32_t PlatformIsNTFromVersion(std::uint32_t version);

}  // namespace duskfall
