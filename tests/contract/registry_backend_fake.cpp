#include "contract/registry_backend.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"

namespace duskfall::testing {

namespace {

class FakeBackend : public RegistryBackend {
 public:
  RegistryApi& Api() override { return registry_; }
  const AnsiCodePage& Ansi() override { return ansi_; }
  void MakeReadOnly(const std::string& keyPath) override { registry_.DenyWrite(keyPath); }
  int OpenHandles() override { return registry_.OpenHandles(); }

 private:
  FakeRegistry registry_;
  FakeAnsiCodePage ansi_;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend() { return std::make_unique<FakeBackend>(); }

}  // namespace duskfall::testing
