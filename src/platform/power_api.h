// The kernel32, advapi32 and user32 calls of the power-off service, with Windows' arguments.
#pragma once

#include <cstdint>
#include <string>

namespace duskfall {

using SysHandle = std::uintptr_t;

struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
};

// TOKEN_PRIVILEGES with one entry: 16 bytes.
struct TokenPrivileges {
  std::uint32_t privilegeCount = 0;
  Luid luid;
  std::uint32_t attributes = 0;
};
static_assert(sizeof(TokenPrivileges) == 16);

inline constexpr std::uint32_t kTokenAdjustPrivileges = 0x20;
inline constexpr std::uint32_t kTokenQuery = 0x08;
inline constexpr std::uint32_t kSePrivilegeEnabled = 2;
inline constexpr std::uint32_t kEwxPowerOff = 0x08;
inline constexpr std::uint32_t kEwxForce = 0x04;

class PowerApi {
 public:
  virtual ~PowerApi() = default;
  virtual void SetLastError(std::uint32_t error) = 0;
  virtual std::uint32_t GetLastError() = 0;
  virtual SysHandle GetCurrentProcess() = 0;
  virtual bool OpenProcessToken(SysHandle process, std::uint32_t access, SysHandle* token) = 0;
  virtual bool LookupPrivilegeValueA(const std::string& systemName, const std::string& name,
                                     Luid* luid) = 0;
  virtual bool AdjustTokenPrivileges(SysHandle token, bool disableAll,
                                     const TokenPrivileges& newState, std::uint32_t bufferLength,
                                     TokenPrivileges* previousState,
                                     std::uint32_t* returnLength) = 0;
  virtual bool ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
  virtual bool CloseHandle(SysHandle handle) = 0;
};

}  // namespace duskfall
