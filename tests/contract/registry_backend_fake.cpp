#include "contract/registry_backend.h"
#include "fakes/fakes.h"

namespace duskfall::testing {

struct FakeBackend : RegistryBackend {
  RegistryApi& Api() override { return registry; }
  const AnsiCodePage& Ansi() override { return ansi; }
  void MakeReadOnly(const std::string& key) override { registry.readOnly.insert(Lower(key)); }
  int OpenHandles() override { return static_cast<int>(registry.handles.size()); }
  FakeRegistry registry;
  Log log;
  FakeSystem ansi{log};
};

std::unique_ptr<RegistryBackend> MakeRegistryBackend() { return std::make_unique<FakeBackend>(); }

}  // namespace duskfall::testing
