// A registry for the contract to run against: the in-memory fake natively, the real registry
// under Wine. Both must answer the same cases the same way.
#pragma once

#include <memory>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/registry_api.h"

namespace duskfall::testing {

// Every case works below this key of HKEY_LOCAL_MACHINE, which starts empty.
inline constexpr char kContractKey[] = "SOFTWARE\\DuskfallContract";

struct RegistryBackend {
  virtual ~RegistryBackend() = default;
  virtual RegistryApi& Api() = 0;
  virtual const AnsiCodePage& Ansi() = 0;
  // Lets everyone read the key but nobody write it, as for a user without admin rights.
  virtual void MakeReadOnly(const std::string& keyPath) = 0;
  virtual int OpenHandles() = 0;  // -1 where they cannot be counted
};

std::unique_ptr<RegistryBackend> MakeRegistryBackend();  // a fresh, empty one for each case

}  // namespace duskfall::testing
