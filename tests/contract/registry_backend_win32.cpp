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
DWORD handlesBefore = 0;

// Wine answers 0 to GetProcessHandleCount: each possible handle value is asked about instead.
DWORD HandleCount() {
  DWORD count = 0;
  DWORD flags = 0;
  for (UINT_PTR handle = 4; handle < 0x4000; handle += 4) {
    count += GetHandleInformation(reinterpret_cast<HANDLE>(handle), &flags) ? 1 : 0;
  }
  return count;
}
}  // namespace

void ResetBackend() {
  HKEY key = nullptr;  // made when missing, so that its rights can always be given back
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, kContractKey, 0, nullptr, 0, KEY_READ, nullptr, &key,
                  nullptr);
  RegCloseKey(key);
  e2e::MakeKeyWritable(L"SOFTWARE\\DuskfallContract");
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kContractKey);
  handlesBefore = HandleCount();
}
RegistryApi& BackendApi() { return registry; }
const AnsiCodePage& BackendAnsi() { return ansi; }
void MakeReadOnly(const std::string& keyPath) {
  e2e::MakeKeyReadOnly(std::wstring(keyPath.begin(), keyPath.end()).c_str());
}
int OpenHandles() { return static_cast<int>(HandleCount() - handlesBefore); }

}  // namespace duskfall::testing
