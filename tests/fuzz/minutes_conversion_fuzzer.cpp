// The minutes box's two readings of a whole text with any separator (fuzz_input.h): both take the
// same texts as numbers, the integer is the number rounded, and only numbers that round outside 32
// bits are out of range.
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "text/minutes_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using duskfall::ConversionError;
  const auto [separator, text] = duskfall::testing::ReadFuzzText(data, size);
  if (separator.empty()) return 0;  // no locale: refused before any reading
  const duskfall::ConversionResult result = duskfall::ConvertToInt32(text, separator);
  const std::optional<double> number = duskfall::ParseLocaleNumber(text, separator);
  if (number.has_value() != (result.error != ConversionError::kNotANumber) ||
      (result.error == ConversionError::kNone && std::fabs(*number - result.value) > 0.5 + 1e-6) ||
      (result.error == ConversionError::kOutOfRange && std::fabs(*number) < 2147483647.5 - 1e-6)) {
    std::abort();
  }
  return 0;
}
