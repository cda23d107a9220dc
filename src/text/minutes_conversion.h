// The locale-aware text-to-integer conversion behind the minutes box's validation.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace duskfall {

enum class ConversionError : int {
  kNone = 0,
  kOutOfRange = 6,   // outside the signed 32-bit range
  kNotANumber = 13,  // empty, or not a number as a whole
  kNoLocale = 5,     // the locale gave no decimal separator to read by
};

struct ConversionResult {
  std::int32_t value = 0;
  ConversionError error = ConversionError::kNone;
};

// Reads the whole text as a decimal number: blanks around it, a leading sign and the given
// decimal separator are allowed; a fraction rounds to the nearest integer, halves to even.
ConversionResult ConvertToInt32(std::wstring_view text, std::wstring_view decimalSeparator);

// The same reading without rounding or range: the number the text holds, if it is one.
std::optional<double> ParseLocaleNumber(std::wstring_view text, std::wstring_view decimalSeparator);

}  // namespace duskfall
