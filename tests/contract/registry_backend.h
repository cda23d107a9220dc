// A registry the registry-routine contract runs against: the in-memory fake natively, the real
// registry under Wine. Both must answer the same cases the same way.
#pragma once

#include <memory>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/registry_api.h"

namespace duskfall::testing {

// Every case works below this key of HKEY_LOCAL_MACHINE, which starts empty.
inline constexpr char kContractKey[] = "SOFTWARE\\DuskfallContract";

class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;
  virtual RegistryApi& Api() = 0;
  virtual const AnsiCodePage& Ansi() = 0;
  // Lets everyone read the key but nobody write it, as for a user without admin rights.
  virtual void MakeReadOnly(const std::string& keyPath) = 0;
  // Open handles, or -1 where they cannot be counted.
  virtual int OpenHandles() = 0;
};

// A fresh, empty backend for one case.
std::unique_ptr<RegistryBackend> MakeRegistryBackend();

}  // namespace duskfall::testing
