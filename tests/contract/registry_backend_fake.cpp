#include "contract/registry_backend.h"
#include "fakes/fakes.h"

namespace duskfall::testing {

namespace {

class FakeBackend : public RegistryBackend {
 public:
  RegistryApi& Api() override { return registry_; }
  const AnsiCodePage& Ansi() override { return ansi_; }
  void MakeReadOnly(const std::string& keyPath) override {
    registry_.keys[Lower(keyPath)].readOnly = true;
  }
  int OpenHandles() override { return static_cast<int>(registry_.handles.size()); }

 private:
  FakeRegistry registry_;
  Log log_;
  FakeSystem ansi_{log_};
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend() { return std::make_unique<FakeBackend>(); }

}  // namespace duskfall::testing
