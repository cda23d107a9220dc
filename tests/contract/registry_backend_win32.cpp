// The registry contract against the real registry of the Wine prefix, through the program's own
// Win32 registry adapter.
#include <windows.h>
#include <sddl.h>

#include "contract/registry_backend.h"
#include "win32/services_win32.h"

namespace duskfall::testing {

namespace {

// Sets a key's access list from a security descriptor string; the owner may always do so.
void SetKeyAccess(const std::string& keyPath, const wchar_t* descriptor) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) {
    return;
  }
  PSECURITY_DESCRIPTOR security = nullptr;
  if (ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &security,
                                                           nullptr)) {
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
    LocalFree(security);
  }
  RegCloseKey(key);
}

class WineBackend : public RegistryBackend {
 public:
  WineBackend() { Clear(); }
  ~WineBackend() override { Clear(); }
  RegistryApi& Api() override { return registry_; }
  const AnsiCodePage& Ansi() override { return ansi_; }
  void MakeReadOnly(const std::string& keyPath) override {
    SetKeyAccess(keyPath, L"D:P(A;;KR;;;WD)(A;;KR;;;BA)(A;;KR;;;SY)");
  }
  int OpenHandles() override { return -1; }

 private:
  void Clear() {
    SetKeyAccess(kContractKey, L"D:P(A;;KA;;;WD)");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContractKey);
  }
  RegistryWin32 registry_;
  AnsiCodePageWin32 ansi_;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend() { return std::make_unique<WineBackend>(); }

}  // namespace duskfall::testing
