// The registry contract against the real registry of the Wine prefix, through the program's own
// Win32 registry adapter.
#include <windows.h>

#include "contract/registry_backend.h"
#include "e2e/driver.h"
#include "win32/services_win32.h"

namespace duskfall::testing {

struct WineBackend : RegistryBackend {
  WineBackend() { Clear(); }
  ~WineBackend() override { Clear(); }
  RegistryApi& Api() override { return registry; }
  const AnsiCodePage& Ansi() override { return ansi; }
  void MakeReadOnly(const std::string& key) override {
    e2e::MakeKeyReadOnly(std::wstring(key.begin(), key.end()).c_str());
  }
  int OpenHandles() override { return -1; }
  void Clear() {
    e2e::MakeKeyWritable(L"SOFTWARE\\DuskfallContract");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContractKey);
  }
  RegistryWin32 registry;
  AnsiCodePageWin32 ansi;
};

std::unique_ptr<RegistryBackend> MakeRegistryBackend() { return std::make_unique<WineBackend>(); }

}  // namespace duskfall::testing
