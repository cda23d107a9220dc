// The registry contract against the real registry of the Wine prefix, through the program's own
// Win32 registry adapter.
#include <windows.h>

#include "contract/registry_backend.h"
#include "e2e/driver.h"
#include "win32/services_win32.h"

namespace duskfall::testing {

namespace {

class WineBackend : public RegistryBackend {
 public:
  WineBackend() { Clear(); }
  ~WineBackend() override { Clear(); }
  RegistryApi& Api() override { return registry_; }
  const AnsiCodePage& Ansi() override { return ansi_; }
  void MakeReadOnly(const std::string& keyPath) override {
    const std::wstring path(keyPath.begin(), keyPath.end());
    e2e::MakeKeyReadOnly(path.c_str());
  }
  int OpenHandles() override { return -1; }

 private:
  void Clear() {
    e2e::MakeKeyWritable(L"SOFTWARE\\DuskfallContract");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContractKey);
  }
  RegistryWin32 registry_;
  AnsiCodePageWin32 ansi_;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend() { return std::make_unique<WineBackend>(); }

}  // namespace duskfall::testing
