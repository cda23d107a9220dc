// The minutes box's two readings of a whole text, with a period or (first byte odd) a comma as
// the separator: both take the same texts as numbers, the integer is the number rounded, and
// only numbers that round outside 32 bits are out of range.
#include <cmath>
#include <cstdlib>
#include <string>

#include "text/minutes_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using duskfall::ConversionError;
  if (size == 0) return 0;
  const std::wstring text(data + 1, data + size);
  const std::wstring separator = data[0] % 2 ? L"," : L".";
  const duskfall::ConversionResult result = duskfall::ConvertToInt32(text, separator);
  const std::optional<double> number = duskfall::ParseLocaleNumber(text, separator);
  if (number.has_value() != (result.error != ConversionError::kNotANumber) ||
      (result.error == ConversionError::kNone && std::fabs(*number - result.value) > 0.5 + 1e-6) ||
      (result.error == ConversionError::kOutOfRange && std::fabs(*number) < 2147483647.5 - 1e-6)) {
    std::abort();
  }
  return 0;
}
