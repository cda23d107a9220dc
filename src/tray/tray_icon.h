// The notification-area icon's record, filled once at start-up and passed unchanged to the add
// and the removal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/tray_api.h"

namespace duskfall {

// NOTIFYICONDATAW up to dwInfoFlags on x86 (NOTIFYICONDATAW_V2_SIZE): the first layout with the
// 128-character tip and the balloon, which every Windows from 2000 on takes.
inline constexpr std::uint32_t kTrayRecordSize = 936;
inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kTrayFlags = 7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
inline constexpr std::uint32_t kWmMouseMove = 512;
inline constexpr std::uint32_t kTrayCallbackMessage = kWmMouseMove;
// How often a refused icon is offered to the shell again.
inline constexpr std::uint32_t kTrayRetryInterval = 5000;

// Fills the record field by field: the tip "Qorvelix Duskfall", one NUL, then blanks up to 128.
void FillTrayIconData(NotifyIconRecord& record, std::uintptr_t window, std::uintptr_t icon);

// The tip field: the text left-aligned, one NUL, then blanks; a longer text is cut to 127
// characters at most.
void PutTip(NotifyIconRecord& record, std::wstring_view tip);

// The mouse message that the icon's callback reports in a mouse move's X, given in twips: X in
// pixels, rounded. 0 (no message) for what cannot be one: anything else may be posted to the
// window.
std::int32_t TrayMessage(double x, double twipsPerPixel);

// How much of the text fits in room characters without splitting a surrogate pair.
std::size_t CutLength(std::wstring_view text, std::size_t room);

}  // namespace duskfall
