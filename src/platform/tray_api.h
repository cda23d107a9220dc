// shell32's Shell_NotifyIconW, with the notification record in a platform-free form; the
// Win32 adapter lays it out as NOTIFYICONDATAW.
#pragma once

#include <array>
#include <cstdint>

namespace duskfall {

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;

struct NotifyIconRecord {
  std::uint32_t cbSize = 0;
  std::uintptr_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uintptr_t hIcon = 0;
  std::array<wchar_t, 128> szTip{};
};

// A balloon over the icon (NIF_INFO): the icon's record with the fields that the shell reads
// when the record's size says they are there.
struct NotifyIconBalloon {
  NotifyIconRecord icon;
  std::array<wchar_t, 256> szInfo{};  // the message; empty takes a showing balloon away
  std::uint32_t uTimeout = 0;
  std::array<wchar_t, 64> szInfoTitle{};
  std::uint32_t dwInfoFlags = 0;
};

class TrayApi {
 public:
  virtual ~TrayApi() = default;
  virtual bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconRecord& record) = 0;
  virtual bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconBalloon& balloon) = 0;
};

}  // namespace duskfall
