// The registry the contract runs against: the in-memory fake natively, the real registry under
// Wine. Both must answer the same cases the same way.
#pragma once

#include <string>

#include "platform/ansi_code_page.h"
#include "platform/registry_api.h"

namespace duskfall::testing {

// Every case works below this key of HKEY_LOCAL_MACHINE, which each case starts without.
inline constexpr char kContractKey[] = "SOFTWARE\\DuskfallContract";

void ResetBackend();
RegistryApi& BackendApi();
const AnsiCodePage& BackendAnsi();
// Lets everyone read the key but nobody write it, as for a user without admin rights.
void MakeReadOnly(const std::string& keyPath);
int OpenHandles();  // keys opened since the reset and not closed

}  // namespace duskfall::testing
