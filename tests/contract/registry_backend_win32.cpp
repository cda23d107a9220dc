// The registry contract against the real registry of the Wine prefix, through the program's own
// Win32 registry adapter.
#include <windows.h>

#include "contract/registry_backend.h"
#include "e2e/driver.h"
#include "win32/services_win32.h"

namespace duskfall::testing {

namespace {
RegistryWin32 registry;
AnsiCodePageWin32 ansi;
}  // namespace

void ResetBackend() {
  e2e::MakeKeyWritable(L"SOFTWARE\\DuskfallContract");
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContractKey);
}
RegistryApi& BackendApi() { return registry; }
const AnsiCodePage& BackendAnsi() { return ansi; }
void MakeReadOnly(const std::string& keyPath) {
  e2e::MakeKeyReadOnly(std::wstring(keyPath.begin(), keyPath.end()).c_str());
}
int OpenHandles() { return -1; }

}  // namespace duskfall::testing
