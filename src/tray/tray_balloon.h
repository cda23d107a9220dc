// The tray icon's balloon: a copy of the icon's record with the balloon's fields, sent with
// NIM_MODIFY, so that the record itself never changes.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/tray_api.h"

namespace duskfall {

inline constexpr std::uint32_t kNifInfo = 0x10;
inline constexpr std::uint32_t kNiifWarning = 2;

// A warning balloon over the icon; an empty text takes a showing balloon away.
NotifyIconBalloon TrayBalloon(const NotifyIconRecord& icon, std::wstring_view title,
                              std::wstring_view text);

}  // namespace duskfall
