// How the fuzz targets that read text take it from the input.
#pragma once

#include <cstdint>
#include <string>

namespace duskfall::testing {

struct FuzzText {
  std::wstring separator;  // the user's decimal separator
  std::wstring text;
};

// The first byte chooses, the rest is the text. Bit 0: a comma, else a period, as the separator;
// bits 1-2: when not 0, the separator is instead the text's first 1 to 3 characters, as Windows
// allows; bit 3: each character is two bytes (little-endian), so it may be above 255.
inline FuzzText ReadFuzzText(const std::uint8_t* data, std::size_t size) {
  FuzzText in;
  const unsigned choice = size > 0 ? data[0] : 0;
  const std::size_t width = choice & 8 ? 2 : 1;
  for (std::size_t i = 1; i + width <= size; i += width) {
    const unsigned high = width == 2 ? data[i + 1] : 0;
    in.text.push_back(static_cast<wchar_t>(data[i] | high << 8));
  }
  const std::size_t length = (choice >> 1) & 3;
  in.separator = choice & 1 ? L"," : L".";
  if (length > 0) in.separator = in.text.substr(0, length);
  in.text.erase(0, length);
  return in;
}

}  // namespace duskfall::testing
