#include "contract/registry_backend.h"
#include "fakes/fakes.h"

namespace duskfall::testing {

namespace {
FakeRegistry registry;
Log log;
FakeSystem ansi{log};
}  // namespace

void ResetBackend() { registry = FakeRegistry{}; }
RegistryApi& BackendApi() { return registry; }
const AnsiCodePage& BackendAnsi() { return ansi; }
void MakeReadOnly(const std::string& keyPath) { registry.readOnly.insert(Lower(keyPath)); }
int OpenHandles() { return static_cast<int>(registry.handles.size()); }

}  // namespace duskfall::testing
