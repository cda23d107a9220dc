#include "fakes/fake_services.h"

namespace duskfall::testing {

bool FakePower::Step(const std::string& name) {
  calls.push_back(name);
  if (onCall) onCall(name);
  for (const auto& [failing, failure] : failWith) {
    if (failing == name) {
      lastError_ = failure.error;
      return !failure.returnsFailure;
    }
  }
  return true;
}

void FakePower::SetLastError(std::uint32_t error) {
  calls.push_back("SetLastError");
  lastError_ = error;
}

std::uint32_t FakePower::GetLastError() { return lastError_; }

SysHandle FakePower::GetCurrentProcess() {
  Step("GetCurrentProcess");
  return static_cast<SysHandle>(-1);
}

bool FakePower::OpenProcessToken(SysHandle, std::uint32_t access, SysHandle* token) {
  openAccess = access;
  const bool ok = Step("OpenProcessToken");
  *token = ok ? 0x44 : 0;
  return ok;
}

bool FakePower::LookupPrivilegeValueA(const std::string& systemName, const std::string& name,
                                      Luid* luid) {
  lookupSystemName = systemName;
  lookupName = name;
  const bool ok = Step("LookupPrivilegeValueA");
  if (ok) *luid = Luid{0x13, 0};
  return ok;
}

bool FakePower::AdjustTokenPrivileges(SysHandle token, bool disable,
                                      const TokenPrivileges& newState, std::uint32_t bufferLength,
                                      TokenPrivileges*, std::uint32_t*) {
  adjustedToken = token;
  disableAll = disable;
  adjusted = newState;
  adjustedLength = bufferLength;
  return Step("AdjustTokenPrivileges");
}

bool FakePower::ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) {
  exitFlags = flags;
  exitReason = reason;
  return Step("ExitWindowsEx");
}

bool FakePower::CloseHandle(SysHandle handle) {
  closed.push_back(handle);
  return true;
}

}  // namespace duskfall::testing
