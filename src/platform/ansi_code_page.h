// Conversion between the program's wide text and the system's ANSI code page, used at each
// call of an ANSI system function (registry, tray).
#pragma once

#include <string>
#include <string_view>

namespace duskfall {

class AnsiCodePage {
 public:
  virtual ~AnsiCodePage() = default;
  virtual std::string ToAnsi(std::wstring_view text) const = 0;
  virtual std::wstring FromAnsi(std::string_view bytes) const = 0;
};

}  // namespace duskfall
