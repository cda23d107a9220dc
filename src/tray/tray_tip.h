// The tray icon's tip while a count-down runs: a copy of the icon's record that carries only the
// tip, sent with NIM_MODIFY as the balloon is, so that the record itself never changes.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/tray_api.h"

namespace duskfall {

inline constexpr std::uint32_t kNifTip = 4;

NotifyIconRecord TrayTip(const NotifyIconRecord& icon, std::wstring_view tip);

}  // namespace duskfall
