// Modal message boxes.
#pragma once

#include <cstdint>
#include <string>

namespace duskfall {

inline constexpr std::uint32_t kMbOk = 0;
inline constexpr std::uint32_t kMbIconHand = 16;
inline constexpr std::uint32_t kMbIconInformation = 64;

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows a modal box and returns when the user closes it.
  virtual void ShowMessage(const std::wstring& text, std::uint32_t style,
                           const std::wstring& title) = 0;
};

}  // namespace duskfall
